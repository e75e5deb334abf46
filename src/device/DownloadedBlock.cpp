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

std::vector<DownloadedBlock::Quality> DownloadedBlock::qualities() const {
    std::vector<Quality> out;
    const DeviceRecord* start = startRecord();
    const std::time_t startTime = start ? start->localTime() : 0;
    for (const DeviceRecord& r : m_records) {
        if (!r.complete()) {
            out.push_back(Quality::Incomplete);
            continue;
        }
        bool good = start && r.timeInRange();
        if (good) {
            const std::time_t t = r.localTime();
            good = t >= startTime && (t - startTime) / 60 <= kMaxSpanMinutes;
        }
        out.push_back(good ? Quality::Good : Quality::Damaged);
    }
    return out;
}

int DownloadedBlock::count(Quality quality) const {
    int n = 0;
    for (Quality q : qualities())
        if (q == quality) ++n;
    return n;
}

std::string DownloadedBlock::fileName(int variant) const {
    std::tm t{};
    localtime_r(&m_downloadTime, &t);
    char name[80];
    const int n =
        std::snprintf(name, sizeof name, "%02d%02d%02d%02d%02d%02d", m_user,
                      (t.tm_year + 1900) % 100, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min);
    if (variant > 1) std::snprintf(name + n, sizeof name - n, "-%d", variant);
    return std::string(name) + ".awp";
}

// The block's time base: its first record that arrived whole with a possible time.
const DeviceRecord* DownloadedBlock::startRecord() const {
    for (const DeviceRecord& r : m_records)
        if (r.complete() && r.timeInRange()) return &r;
    return nullptr;
}

std::vector<std::string> DownloadedBlock::readingTexts() const {
    std::vector<std::string> texts;
    const DeviceRecord* start = startRecord();
    if (!start) return texts;
    const std::time_t startTime = start->localTime();
    const std::vector<Quality> quality = qualities();
    int previous = 0;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const DeviceRecord& r = m_records[i];
        const bool good = quality[i] == Quality::Good;
        // Seconds are always 0, so whole-minute division is exact.
        const int minutes = good ? static_cast<int>((r.localTime() - startTime) / 60) : previous;
        ReadingText::Fields f = r.fields(minutes);
        if (!good) f.systolic = f.diastolic = f.meanPressure = 0;
        texts.push_back(ReadingText::Encode(f));
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
    if (!hasStart()) return false;
    CIniDocument doc(path, 1);
    if (!doc.isOpen()) return false;
    writeHeader(doc);
    const std::vector<std::string> texts = readingTexts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        doc.WriteString(kTest, std::to_string(i + 1), texts[i]);
    return doc.Save();
}
