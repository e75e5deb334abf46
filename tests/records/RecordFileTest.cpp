#include <gtest/gtest.h>

#include "AppState.h"
#include "CIniDocument.h"
#include "RecordFile.h"
#include "TempDir.h"

namespace {

// Tests 1 ... testCount starting at 8 + t o'clock on day t, each with `count` readings of
// 125 mmHg at minute n; `extra` goes into the last test.
std::string Record(int testCount, int count, const std::string& extra = "") {
    std::string s = "[PATIENT DATA]\r\nTest Count=" + std::to_string(testCount) +
                    "\r\nID=0012345\r\nName=Alpha\r\n";
    for (int t = 1; t <= testCount; ++t) {
        const std::string n = std::to_string(t);
        s += "[TEST " + n + "]\r\nHourBegin=" + std::to_string(8 + t) + "\r\nMinBegin=15\r\n" +
             "DayBegin=" + n + "\r\nTestBeginDate=" + n +
             "/3/2026 9:15\r\nCount=" + std::to_string(count) + "\r\n" +
             (t == testCount ? extra : "");
        for (int r = 1; r <= count; ++r) {
            char minute[16];
            std::snprintf(minute, sizeof minute, "%04d", r);
            s += std::to_string(r) + "=00007D50485F" + minute + "000000000\r\n";
        }
    }
    return s;
}

PatientRecord Load(const std::string& text, const BpThresholds& thresholds = {}) {
    TempDir dir;
    WriteFileBytes(dir.file("r.awp"), text);
    PatientRecord rec;
    RecordFile::LoadTest(CIniDocument(dir.file("r.awp")), thresholds, rec);
    return rec;
}

} // namespace

TEST(RecordFile, LoadsTheTestNamedByTestCount) {
    const PatientRecord rec = Load(
        Record(3, 4, "Awake Time=12\r\nAsleep Time=47\r\nC2=after lunch\r\n"), {150, 125, 95, 85});
    const TestRecord& t = rec.test;
    EXPECT_EQ(rec.isLoaded, 1);
    EXPECT_EQ(t.section + " " + t.beginDateText + " " + t.endDateText,
              "TEST 3 3/3/2026 9:15 no String");
    // Day 3 from 11:15; awake from half-hour slot 12, asleep from slot 47; 4 readings.
    EXPECT_EQ(std::vector({t.dayBegin, t.startMinuteOfDay, t.awakeStartMinute, t.asleepStartMinute,
                           t.readingCount}),
              std::vector({3, 11 * 60 + 15, 12 * 30, 47 * 30, 4}));
    EXPECT_EQ(std::vector({t.readings[3].number, t.readings[3].minutesFromStart}),
              std::vector({3, 4}));
    EXPECT_EQ(t.readings[0].comment + "|" + t.readings[1].comment, "|after lunch");
    EXPECT_EQ(rec.patientName + " " + rec.patientId, "Alpha 0012345");
    EXPECT_EQ(rec.thresholds.asleepDia, 85);
    const PatientRecord bare = Load("[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=0\r\n");
    EXPECT_EQ(bare.patientName, "no string");
}

// A number outside its range loads as if its key were missing, before any arithmetic on it:
// hour 0 ... 23, minute 0 ... 59, day 1 ... 31, month 1 ... 12, year up to 9999, half-hour
// slots 0 ... 47 (missing: 14 awake, 44 asleep).
TEST(RecordFile, NumbersOutsideTheirRangesLoadAsTheDefaults) {
    struct Case {
        const char* line;
        int TestRecord::*field;
        int expected;
    };
    const Case cases[] = {
        {"HourBegin=35791395", &TestRecord::startMinuteOfDay, 15}, // 0 * 60 + 15
        {"HourBegin=24", &TestRecord::hourBegin, 0},
        {"HourBegin=23", &TestRecord::startMinuteOfDay, 23 * 60 + 15},
        {"MinBegin=60", &TestRecord::startMinuteOfDay, 9 * 60},
        {"MinBegin=-1", &TestRecord::minBegin, 0},
        {"DayBegin=32", &TestRecord::dayBegin, 0},
        {"MonthBegin=13", &TestRecord::monthBegin, 0},
        {"YearBegin=-2026", &TestRecord::yearBegin, 0},
        {"Awake Time=2147483647", &TestRecord::awakeStartMinute, 14 * 30},
        {"Awake Time=48", &TestRecord::awakeStartMinute, 14 * 30},
        {"Asleep Time=-1", &TestRecord::asleepStartMinute, 44 * 30},
        {"Asleep Time=0", &TestRecord::asleepStartMinute, 0},
    };
    for (const Case& c : cases) {
        // The first line of a key is the one read.
        const PatientRecord rec =
            Load(std::string("[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\n") + c.line +
                 "\r\nHourBegin=9\r\nMinBegin=15\r\nDayBegin=3\r\nMonthBegin=3\r\n"
                 "YearBegin=2026\r\nAwake Time=12\r\nAsleep Time=47\r\n");
        EXPECT_EQ(rec.test.*c.field, c.expected) << c.line;
    }
}

TEST(RecordFile, SecondLoadLeavesNothingOfTheFirstAndAMissingFileLoadsNothing) {
    TempDir dir;
    WriteFileBytes(dir.file("big.awp"), Record(1, 12, "C5=first\r\n"));
    // Two records in the SpO2 pack but a count of 3: the series is damaged, the test loads.
    WriteFileBytes(dir.file("small.awp"), Record(1, 2) + "[SPO2 DATA]\r\nDataCount=3\r\n" +
                                              "DATA PACK=603C000000015F3D0000000200000002\r\n");
    AppState state;
    ASSERT_TRUE(state.openRecord(dir.file("big.awp"), BpThresholds{}));
    EXPECT_EQ(state.record.test.readings[4].comment, "first");
    Spo2ReadResult result = Spo2ReadResult::Loaded;
    ASSERT_TRUE(state.openRecord(dir.file("small.awp"), BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::Damaged);
    EXPECT_EQ(state.spo2Analysis.seriesLength(), 0);
    EXPECT_EQ(state.record.test.readingCount, 2);
    for (int i = 2; i < 12; ++i) {
        const BpReading& r = state.record.test.readings[std::size_t(i)];
        EXPECT_EQ(r.systolic + r.minutesFromStart, 0) << i;
        EXPECT_EQ(r.comment, "") << i;
    }
    // Opening never creates a file.
    EXPECT_FALSE(state.openRecord(dir.file("gone.awp"), BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::NoData);
    EXPECT_FALSE(FileExists(dir.file("gone.awp")));
    EXPECT_EQ(state.record.isLoaded, 0);
}

// At most 1024 readings; texts are cut without splitting a GBK character.
TEST(RecordFile, TooManyReadingsAndLongTextsAreCut) {
    const PatientRecord many = Load(Record(1, 1030));
    EXPECT_EQ(many.test.readingCount, kMaxReadings);
    EXPECT_EQ(many.test.readingsInFile, 1030); // so that the cut can be reported
    EXPECT_EQ(many.test.readings[1023].systolic, 125);
    // 16 GBK characters of two bytes each: 32 bytes; the name holds 31, so 15 characters stay.
    std::string name;
    for (int i = 0; i < 16; ++i)
        name += "\xD5\xC5";
    const PatientRecord rec =
        Load("[PATIENT DATA]\r\nTest Count=1\r\nName=" + name + "\r\nID=A1234567890123456\r\n" +
             "[TEST 1]\r\nTestBeginDate=12/11/2026 12:30 extra\r\nCount=1\r\n" +
             "1=00007D50485F0000000000000\r\nC1=" + std::string(300, 'c') + "\r\n");
    EXPECT_EQ(rec.patientName, name.substr(0, 30));
    EXPECT_EQ(rec.patientId, "A123456789012");
    EXPECT_EQ(rec.test.beginDateText, "12/11/2026 12:30");
    EXPECT_EQ(rec.test.readings[0].comment.size(), 255u);
    EXPECT_EQ(CutGbk("a\xD5\xC5", 2), "a");
    EXPECT_EQ(CutGbk("a\xD5\xC5", 3), "a\xD5\xC5");
}
