#include "PatientRecord.h"

void ClearRecord(PatientRecord& record) {
    record.filePath.clear();
    record.patientName.clear();
    record.patientId.clear();
    record.thresholds = BpThresholds{};
    record.isLoaded = 0;
    TestRecord& t = record.test;
    t.section.clear();
    t.beginDateText.clear();
    t.endDateText.clear();
    t.startMinuteOfDay = t.readingCount = t.readingsInFile = t.awakeStartMinute =
        t.asleepStartMinute = 0;
    t.hourBegin = t.minBegin = t.dayBegin = t.monthBegin = t.yearBegin = 0;
    // Reset in place: the array stays allocated and comments keep their capacity.
    for (BpReading& r : t.readings) {
        r.comment.clear();
        std::string keep = std::move(r.comment);
        r = BpReading{};
        r.comment = std::move(keep);
    }
}

std::string CutGbk(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t i = 0;
    while (i < maxBytes) {
        auto c = static_cast<unsigned char>(text[i]);
        // GBK lead bytes are 0x81-0xFE and take the following byte with them.
        std::size_t width = (c >= 0x81 && c <= 0xFE) ? 2 : 1;
        if (i + width > maxBytes) break;
        i += width;
    }
    return text.substr(0, i);
}
