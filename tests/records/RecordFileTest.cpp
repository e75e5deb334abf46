#include <gtest/gtest.h>

#include "AppState.h"
#include "CIniDocument.h"
#include "RecordFile.h"
#include "TempDir.h"

namespace {

std::string Record(int testCount, int count, const std::string& extra = "") {
    std::string s = "[PATIENT DATA]\r\nTest Count=" + std::to_string(testCount) +
                    "\r\nID=0012345\r\nName=Alpha\r\n";
    for (int t = 1; t <= testCount; ++t) {
        s += "[TEST " + std::to_string(t) + "]\r\nHourBegin=" + std::to_string(8 + t) +
             "\r\nMinBegin=15\r\nDayBegin=" + std::to_string(t) +
             "\r\nMonthBegin=3\r\nYearBegin=2026\r\nTestBeginDate=" + std::to_string(t) +
             "/3/2026 9:15\r\nCount=" + std::to_string(count) + "\r\n";
        for (int n = 1; n <= count; ++n)
            s += std::to_string(n) + "=00007D50485F00" + (n < 10 ? "0" : "") + std::to_string(n) +
                 "000000000\r\n";
        if (t == testCount) s += extra;
    }
    return s;
}

} // namespace

TEST(RecordFile, LoadsTheTestNamedByTestCount) {
    TempDir dir;
    const std::string path = dir.file("r.awp");
    WriteFileBytes(path, Record(3, 4, "Awake Time=12\r\nAsleep Time=47\r\nC2=after lunch\r\n"));
    PatientRecord rec;
    BpThresholds th{150, 125, 95, 85};
    RecordFile::LoadTest(path, th, rec);
    EXPECT_EQ(rec.isLoaded, 1);
    EXPECT_EQ(rec.filePath, path);
    EXPECT_EQ(rec.test.section, "TEST 3");
    EXPECT_EQ(rec.test.hourBegin, 11);
    EXPECT_EQ(rec.test.dayBegin, 3);
    EXPECT_EQ(rec.test.startMinuteOfDay, 11 * 60 + 15);
    EXPECT_EQ(rec.test.beginDateText, "3/3/2026 9:15");
    EXPECT_EQ(rec.test.endDateText, "no String");
    EXPECT_EQ(rec.test.awakeStartMinute, 360);
    EXPECT_EQ(rec.test.asleepStartMinute, 1410);
    EXPECT_EQ(rec.test.readingCount, 4);
    EXPECT_EQ(rec.test.readings[3].number, 3);
    EXPECT_EQ(rec.test.readings[3].minutesFromStart, 4);
    EXPECT_EQ(rec.test.readings[1].comment, "after lunch");
    EXPECT_EQ(rec.test.readings[0].comment, "");
    EXPECT_EQ(rec.patientName, "Alpha");
    EXPECT_EQ(rec.patientId, "0012345");
    EXPECT_EQ(rec.thresholds.awakeSys, 150);
    EXPECT_EQ(rec.thresholds.asleepDia, 85);
}

TEST(RecordFile, MissingKeysGiveTheDefaults) {
    TempDir dir;
    const std::string path = dir.file("r.awp");
    WriteFileBytes(path, "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=0\r\n");
    PatientRecord rec;
    RecordFile::LoadTest(path, BpThresholds{}, rec);
    EXPECT_EQ(rec.test.readingCount, 0);
    EXPECT_EQ(rec.test.awakeStartMinute, 14 * 30);
    EXPECT_EQ(rec.test.asleepStartMinute, 44 * 30);
    EXPECT_EQ(rec.patientName, "no string");
    EXPECT_EQ(rec.test.readings[0].systolic, 0);
    EXPECT_EQ(rec.thresholds.awakeSys, 140);
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
    TempDir dir;
    const std::string path = dir.file("r.awp");
    for (const Case& c : cases) {
        // The first line of a key is the one read.
        WriteFileBytes(path, std::string("[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\n") +
                                 c.line +
                                 "\r\nHourBegin=9\r\nMinBegin=15\r\nDayBegin=3\r\nMonthBegin=3\r\n"
                                 "YearBegin=2026\r\nAwake Time=12\r\nAsleep Time=47\r\n");
        PatientRecord rec;
        RecordFile::LoadTest(path, BpThresholds{}, rec);
        EXPECT_EQ(rec.test.*c.field, c.expected) << c.line;
    }
}

TEST(RecordFile, SecondLoadLeavesNothingOfTheFirst) {
    TempDir dir;
    const std::string big = dir.file("big.awp");
    const std::string small = dir.file("small.awp");
    WriteFileBytes(big, Record(1, 12, "C5=first\r\n"));
    WriteFileBytes(small, Record(1, 2));
    AppState state;
    ASSERT_TRUE(state.openRecord(big, BpThresholds{}));
    EXPECT_EQ(state.record.test.readings[4].comment, "first");
    ASSERT_TRUE(state.openRecord(small, BpThresholds{}));
    EXPECT_EQ(state.record.test.readingCount, 2);
    for (int i = 2; i < 12; ++i) {
        const BpReading& r = state.record.test.readings[std::size_t(i)];
        EXPECT_EQ(r.systolic, 0) << i;
        EXPECT_EQ(r.minutesFromStart, 0) << i;
        EXPECT_EQ(r.comment, "") << i;
    }
}

TEST(RecordFile, OpeningAMissingFileFailsAndCreatesNothing) {
    TempDir dir;
    AppState state;
    EXPECT_FALSE(state.openRecord(dir.file("gone.awp"), BpThresholds{}));
    EXPECT_FALSE(FileExists(dir.file("gone.awp")));
    EXPECT_EQ(state.record.isLoaded, 0);
}

TEST(RecordFile, MoreThan1024ReadingsAreCutAtTheLimit) {
    TempDir dir;
    const std::string path = dir.file("r.awp");
    std::string s = "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=1030\r\n";
    for (int n = 1; n <= 1030; ++n)
        s += std::to_string(n) + "=00007D50485F0000000000000\r\n";
    WriteFileBytes(path, s);
    PatientRecord rec;
    RecordFile::LoadTest(path, BpThresholds{}, rec);
    EXPECT_EQ(rec.test.readingCount, kMaxReadings);
    EXPECT_EQ(rec.test.readingsInFile, 1030); // so that the cut can be reported
    EXPECT_EQ(rec.test.readings[1023].systolic, 125);
}

TEST(RecordFile, LongTextsAreCutWithoutSplittingAGbkCharacter) {
    TempDir dir;
    const std::string path = dir.file("r.awp");
    // 16 GBK characters of two bytes each: 32 bytes; the name holds 31, so 15 characters stay.
    std::string name;
    for (int i = 0; i < 16; ++i)
        name += "\xD5\xC5";
    const std::string longComment(300, 'c');
    WriteFileBytes(path,
                   "[PATIENT DATA]\r\nTest Count=1\r\nName=" + name +
                       "\r\nID=A1234567890123456\r\n[TEST 1]\r\nTestBeginDate=" +
                       "12/11/2026 12:30 extra\r\nCount=1\r\n1=00007D50485F0000000000000\r\nC1=" +
                       longComment + "\r\n");
    PatientRecord rec;
    RecordFile::LoadTest(path, BpThresholds{}, rec);
    EXPECT_EQ(rec.patientName, name.substr(0, 30));
    EXPECT_EQ(rec.patientId, "A123456789012");
    EXPECT_EQ(rec.test.beginDateText, "12/11/2026 12:30");
    EXPECT_EQ(rec.test.readings[0].comment.size(), 255u);
    EXPECT_EQ(CutGbk("a\xD5\xC5", 2), "a");
    EXPECT_EQ(CutGbk("a\xD5\xC5", 3), "a\xD5\xC5");
}
