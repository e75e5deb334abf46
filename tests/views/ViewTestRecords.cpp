#include "ViewTestRecords.h"

#include "CIniDocument.h"
#include "ReadingText.h"

namespace {

// The 25-character line of a reading.
std::string ReadingLine(const SampleReading& r) {
    const ReadingText::Fields f{r.systolic,     r.diastolic, r.heartRate,
                                r.meanPressure, r.minutes,   r.errorCode};
    std::string line = ReadingText::WithExclusion(ReadingText::Encode(f), r.excluded);
    if (r.marked) line[ReadingText::kMarkerPos] = '1';
    return line;
}

} // namespace

std::string RecordText(const std::vector<SampleTest>& tests, const std::string& patientKeys) {
    std::string s =
        "[PATIENT DATA]\r\nName=Lin\r\nID=P-7\r\nTest Count=" + std::to_string(tests.size()) +
        "\r\n" + patientKeys;
    for (std::size_t t = 0; t < tests.size(); ++t) {
        const SampleTest& test = tests[t];
        s += "[TEST " + std::to_string(t + 1) + "]\r\n";
        s += "HourBegin=8\r\nMinBegin=0\r\nDayBegin=1\r\nMonthBegin=3\r\nYearBegin=2026\r\n"
             "TestBeginDate=1/3/2026\r\n";
        if (test.awakeSlot >= 0) s += "Awake Time=" + std::to_string(test.awakeSlot) + "\r\n";
        if (test.asleepSlot >= 0) s += "Asleep Time=" + std::to_string(test.asleepSlot) + "\r\n";
        s += "Count=" + std::to_string(test.readings.size()) + "\r\n";
        for (std::size_t i = 0; i < test.readings.size(); ++i) {
            const SampleReading& r = test.readings[i];
            s += std::to_string(i + 1) + "=" + ReadingLine(r) + "\r\n";
            if (!r.comment.empty()) s += "C" + std::to_string(i + 1) + "=" + r.comment + "\r\n";
        }
        s += test.extraKeys;
    }
    return s;
}

std::string StoredValue(const std::string& path, const std::string& section,
                        const std::string& key) {
    const CIniDocument doc(path);
    return doc.GetString(section, key, "<missing>");
}
