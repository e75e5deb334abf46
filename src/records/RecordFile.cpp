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
    test.hourBegin = doc.GetInt(sec, "HourBegin", 0);
    test.minBegin = doc.GetInt(sec, "MinBegin", 0);
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

    test.yearBegin = doc.GetInt(sec, "YearBegin", 0);
    test.monthBegin = doc.GetInt(sec, "MonthBegin", 0);
    test.dayBegin = doc.GetInt(sec, "DayBegin", 0);
    test.awakeStartMinute = doc.GetInt(sec, "Awake Time", 14) * 30;
    test.asleepStartMinute = doc.GetInt(sec, "Asleep Time", 44) * 30;

    record.thresholds = thresholds;
    record.isLoaded = 1;
}

} // namespace RecordFile
