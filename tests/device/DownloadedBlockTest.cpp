#include <gtest/gtest.h>

#include "CIniDocument.h"
#include "DownloadedBlock.h"
#include "RecorderScript.h"
#include "TempDir.h"

namespace {

using Quality = DownloadedBlock::Quality;

DeviceRecord Record(const RawReading& r, std::size_t received = DeviceRecord::kSize) {
    DeviceRecord::Bytes bytes{};
    const std::vector<std::uint8_t> raw = RecordBytes(r);
    for (std::size_t i = 0; i < received; ++i)
        bytes[i] = raw[i];
    return DeviceRecord(bytes, received);
}

// RawReading's defaults are 120/80 mmHg, pulse 72, mean 95 on 2010-03-15 10:00.
RawReading At(int year, int month, int day, int hour, int minute) {
    return {.year = year, .month = month, .day = day, .hour = hour, .minute = minute};
}

// A block whose first record is the default reading; returns the second record's text.
std::string TextAfterTheFirst(const RawReading& second) {
    DownloadedBlock block(1, 2, 0);
    block.add(Record(RawReading{}));
    block.add(Record(second));
    return block.readingTexts().at(1);
}

TEST(DownloadedBlock, ReadingTextsFollowTheValidationAndOffsetRules) {
    struct Case {
        const char* what;
        RawReading reading;
        const char* text; // in its groups: T1-2, S, D, pulse, M, T3-6, error, zeros
    };
    RawReading s300, s270, meanAboveS, meanEqualsD, error9, nextMinute, nextDay, sevenDays;
    s300.systolic = 300;
    s270.systolic = 270; // 0x010E: the high byte counts
    meanAboveS.mean = 130;
    meanEqualsD.mean = 80;
    error9.error = 0x09;
    nextMinute.minute = 1;
    nextDay.day = 16;
    nextDay.minute = 1; // one day and one minute: 1441
    sevenDays.day = 22; // 10080 minutes: "010080" splits into 01 and 0080
    const std::vector<Case> cases{
        {"S above 270 counts as 0, so S > M fails", s300, "00 0000 00 48 00 0000 00 0000000"},
        {"S of 270 is kept", s270, "00 010E 50 48 5F 0000 00 0000000"},
        {"M above S", meanAboveS, "00 0000 00 48 00 0000 00 0000000"},
        {"M not above D", meanEqualsD, "00 0000 00 48 00 0000 00 0000000"},
        {"error byte as received", error9, "00 0078 50 48 5F 0000 09 0000000"},
        {"next minute", nextMinute, "00 0078 50 48 5F 0001 00 0000000"},
        {"a day and a minute", nextDay, "00 0078 50 48 5F 1441 00 0000000"},
        {"seven days", sevenDays, "01 0078 50 48 5F 0080 00 0000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextAfterTheFirst(c.reading), Grouped(c.text)) << c.what;
}

TEST(DownloadedBlock, RecordsWithImpossibleTimesAreDamaged) {
    struct Case {
        const char* what;
        RawReading reading;
        Quality quality;
    };
    // Each case follows a good first record at 2010-03-15 10:00.
    const std::vector<Case> cases{
        {"month 13", At(2010, 13, 15, 10, 0), Quality::Damaged},
        {"month 0", At(2010, 0, 15, 10, 0), Quality::Damaged},
        {"day 0", At(2010, 3, 0, 10, 0), Quality::Damaged},
        {"31 April", At(2010, 4, 31, 10, 0), Quality::Damaged},
        {"29 February of a common year", At(2010, 2, 29, 10, 0), Quality::Damaged},
        {"hour 24", At(2010, 3, 15, 24, 0), Quality::Damaged},
        {"minute 60", At(2010, 3, 15, 10, 60), Quality::Damaged},
        {"a minute before the start", At(2010, 3, 15, 9, 59), Quality::Damaged},
        {"seven days after the start", At(2010, 3, 22, 10, 0), Quality::Good},
        {"seven days and a minute after", At(2010, 3, 22, 10, 1), Quality::Damaged},
    };
    for (const Case& c : cases) {
        DownloadedBlock block(1, 2, 0);
        block.add(Record(At(2010, 3, 15, 10, 0)));
        block.add(Record(c.reading));
        EXPECT_EQ(block.qualities().back(), c.quality) << c.what;
    }
    // 29 February exists in a leap year.
    DownloadedBlock leap(1, 2, 0);
    leap.add(Record(At(2012, 2, 28, 23, 0)));
    leap.add(Record(At(2012, 2, 29, 1, 0)));
    EXPECT_EQ(leap.qualities().back(), Quality::Good);
}

TEST(DownloadedBlock, DamagedReadingsAreFailedAtThePreviousGoodTimeAndTheTestStartsAtTheFirstGood) {
    DownloadedBlock block(2, 6, 0);
    block.add(Record(At(2010, 15, 5, 9, 0)));    // damaged before any good record
    block.add(Record(At(2010, 3, 5, 9, 7)));     // first good: the start
    block.add(Record(At(2010, 3, 5, 9, 22)));    // good, 15 minutes
    block.add(Record(At(2003, 3, 5, 9, 37)));    // years before the start: damaged
    block.add(Record(At(2010, 3, 5, 9, 52)));    // good, 45 minutes
    block.add(Record(At(2010, 3, 5, 10, 7), 7)); // five bytes never came
    EXPECT_EQ(block.count(Quality::Damaged), 2);
    EXPECT_EQ(block.count(Quality::Incomplete), 1);

    TempDir dir;
    ASSERT_TRUE(block.writeTo(dir.file("r.awp")));
    // The header comes from the first good record: day first, the minute with two digits.
    const CIniDocument doc(dir.file("r.awp"));
    const std::vector<std::array<std::string, 3>> header{
        {"PATIENT DATA", "Name", "num2"},
        {"PATIENT DATA", "ID", "02"},
        {"PATIENT DATA", "Count", "6"},
        {"PATIENT DATA", "Test Count", "1"},
        {"TEST 1", "TestBeginDate", "5/3/2010 9:07"},
        {"TEST 1", "YearBegin", "2010"},
        {"TEST 1", "MonthBegin", "3"},
        {"TEST 1", "DayBegin", "5"},
        {"TEST 1", "HourBegin", "9"},
        {"TEST 1", "MinBegin", "7"},
        {"TEST 1", "Count", "6"},
        {"TEST 1", "AMU", "VELORA07"}};
    for (const auto& [section, key, value] : header)
        EXPECT_EQ(doc.GetString(section, key, "missing"), value) << key;
    // Offsets "%06d" at characters 0-1 and 12-15; 120/80 mmHg, pulse 72, mean 95 when good.
    const std::vector<std::string> expected{
        Grouped("00 0000 00 48 00 0000 00 0000000"), // failed, offset 0 (no good one before)
        Grouped("00 0078 50 48 5F 0000 00 0000000"), Grouped("00 0078 50 48 5F 0015 00 0000000"),
        Grouped("00 0000 00 48 00 0015 00 0000000"), // failed at the 15 of the one before
        Grouped("00 0078 50 48 5F 0045 00 0000000"),
        Grouped("00 0000 00 48 00 0045 00 0000000"), // incomplete, failed as well
    };
    EXPECT_EQ(ReadingTexts(dir.file("r.awp")), expected);
}

} // namespace
