#include "RecordFile.h"

#include "CIniDocument.h"
#include "ReadingText.h"

namespace RecordFile {

void LoadTest(const std::string& filePath, const BpThresholds& thresholds, PatientRecord& record) {
    const CIniDocument doc(filePath);
    LoadTest(doc, thresholds, record);
    record.filePath = filePath;
}

void LoadTest(const CIniDocument& doc, const BpThresholds& thresholds, PatientRecord& record) {
    TestRecord& test = record.test;
    test.section = "TEST " + doc.GetString(kPatientSection, "Test Count", kNoString);
    const std::string& sec = test.section;

    test.beginDateText =
        CutGbk(doc.GetString(sec, "TestBeginDate", "no String"), kMaxDateTextBytes);
    test.endDateText = CutGbk(doc.GetString(sec, "TestEndDate", "no String"), kMaxDateTextBytes);
    // Numbers outside their ranges read as missing ones, before any arithmetic on them.
    test.hourBegin = doc.GetIntInRange(sec, "HourBegin", 0, 23, 0);
    test.minBegin = doc.GetIntInRange(sec, "MinBegin", 0, 59, 0);
    test.startMinuteOfDay = test.hourBegin * 60 + test.minBegin;

    int count = doc.GetInt(sec, "Count", 0);
    if (count < 0) count = 0;
    test.readingsInFile = count;
    if (count > kMaxReadings) count = kMaxReadings; // the model's room; the caller tells the user
    test.readingCount = count;
    for (int n = 1; n <= count; ++n) {
        BpReading& r = test.readings[static_cast<std::size_t>(n - 1)];
        const std::string key = std::to_string(n);
        ReadingText::Decode(doc.GetString(sec, key, kNoString), r);
        r.number = n - 1;
        r.comment = CutGbk(doc.GetString(sec, "C" + key, ""), kMaxCommentBytes);
    }

    record.patientId = CutGbk(doc.GetString(kPatientSection, "ID", kNoString), kMaxIdBytes);
    record.patientName = CutGbk(doc.GetString(kPatientSection, "Name", kNoString), kMaxNameBytes);

    test.yearBegin = doc.GetIntInRange(sec, "YearBegin", 0, 9999, 0);
    test.monthBegin = doc.GetIntInRange(sec, "MonthBegin", 1, 12, 0);
    test.dayBegin = doc.GetIntInRange(sec, "DayBegin", 1, 31, 0);
    // Half-hour slots 0 ... 47; missing: 7:00 and 22:00.
    test.awakeStartMinute = doc.GetIntInRange(sec, "Awake Time", 0, 47, 14) * 30;
    test.asleepStartMinute = doc.GetIntInRange(sec, "Asleep Time", 0, 47, 44) * 30;

    record.thresholds = thresholds;
    record.isLoaded = 1;
}

} // namespace RecordFile
