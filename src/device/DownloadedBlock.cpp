#include "DownloadedBlock.h"

#include <cstdio>

#include "CIniDocument.h"

namespace {

const char* const kPatient = "PATIENT DATA";
const char* const kTest = "TEST 1";

std::string Format(const char* format, int a, int b = 0, int c = 0) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

} // namespace

DownloadedBlock::DownloadedBlock(int user, int expected, std::time_t downloadTime)
    : m_user(user), m_expected(expected), m_downloadTime(downloadTime) {}

int DownloadedBlock::incompleteCount() const {
    int n = 0;
    for (const DeviceRecord& r : m_records)
        if (!r.complete()) ++n;
    return n;
}

std::string DownloadedBlock::fileName() const {
    std::tm t{};
    localtime_r(&m_downloadTime, &t);
    char name[64];
    std::snprintf(name, sizeof name, "%02d%02d%02d%02d%02d%02d.awp", m_user,
                  (t.tm_year + 1900) % 100, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min);
    return name;
}

// The block's time base: its first complete record. A record that lost bytes has no
// trustworthy date, so it must not become the start.
const DeviceRecord* DownloadedBlock::startRecord() const {
    for (const DeviceRecord& r : m_records)
        if (r.complete()) return &r;
    return m_records.empty() ? nullptr : &m_records.front();
}

std::vector<std::string> DownloadedBlock::readingTexts() const {
    std::vector<std::string> texts;
    const DeviceRecord* start = startRecord();
    if (!start) return texts;
    const std::time_t startTime = start->localTime();
    int previous = 0;
    for (const DeviceRecord& r : m_records) {
        int minutes = previous;
        // Seconds are always 0, so whole-minute division is exact; an incomplete record
        // keeps the offset of the one before instead of an invented time.
        if (r.complete()) minutes = static_cast<int>((r.localTime() - startTime) / 60);
        texts.push_back(ReadingText::Encode(r.fields(minutes)));
        previous = minutes;
    }
    return texts;
}

void DownloadedBlock::writeHeader(CIniDocument& doc) const {
    const DeviceRecord& first = *startRecord();
    const int n = static_cast<int>(m_records.size());
    doc.WriteString(kPatient, "Name", Format("num%d", m_user));
    doc.WriteString(kPatient, "ID", Format("%02d", m_user));
    doc.WriteString(kPatient, "Count", Format("%d", n));
    doc.WriteInt(kPatient, "Test Count", 1);
    const std::string clock = Format("%d:%02d", first.hour(), first.minute());
    doc.WriteString(kTest, "TestBeginDate",
                    Format("%d/%d/2%03d ", first.day(), first.month(), first.year() - 2000) +
                        clock);
    doc.WriteString(kTest, "YearBegin", Format("2%03d", first.year() - 2000));
    doc.WriteInt(kTest, "MonthBegin", first.month());
    doc.WriteInt(kTest, "DayBegin", first.day());
    doc.WriteInt(kTest, "HourBegin", first.hour());
    doc.WriteInt(kTest, "MinBegin", first.minute());
    doc.WriteInt(kTest, "Count", n);
    doc.WriteString(kTest, "AMU", "VELORA07");
}

// The store creates the file only by renaming the complete text over it, so a failed or
// interrupted save never leaves an empty record behind.
bool DownloadedBlock::writeTo(const std::string& path) const {
    if (m_records.empty()) return false;
    CIniDocument doc(path, 1);
    if (!doc.isOpen()) return false;
    writeHeader(doc);
    const std::vector<std::string> texts = readingTexts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        doc.WriteString(kTest, std::to_string(i + 1), texts[i]);
    return doc.Save();
}
