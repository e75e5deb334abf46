#include <gtest/gtest.h>

#include "CIniDocument.h"
#include "DownloadedBlock.h"
#include "RecorderScript.h"
#include "TempDir.h"

namespace {

DeviceRecord Record(const RawReading& r, std::size_t received = DeviceRecord::kSize) {
    DeviceRecord::Bytes bytes{};
    const std::vector<std::uint8_t> raw = RecordBytes(r);
    for (std::size_t i = 0; i < received; ++i)
        bytes[i] = raw[i];
    return DeviceRecord(bytes, received);
}

// RawReading's defaults are 120/80 mmHg, pulse 72, mean 95 on 2010-03-15 10:00.
RawReading At(int year, int month, int day, int hour = 10, int minute = 0) {
    return {.year = year, .month = month, .day = day, .hour = hour, .minute = minute};
}

TEST(DownloadedBlock, ReadingTextOfARecordAfterAGoodFirstOne) {
    struct Case {
        const char* what;
        RawReading first, second;
        const char* text; // of the second, in its groups: T1-2, S, D, pulse, M, T3-6, error
    };
    // A failed reading keeps pulse (0x48) and error, S, D and M are 0; a damaged one (an
    // impossible time) is failed at the offset of the good one before it, 0 here. Each date
    // starts just before its impossible one, which the C library would turn into a later day.
    const char* const failed = "00 0000 00 48 00 0000 00 0000000";
    const RawReading start; // 2010-03-15 10:00
    const std::vector<Case> cases{
        {"S above 270 counts as 0, so S > M fails", start, {.systolic = 300}, failed},
        {"S of 270 is kept", start, {.systolic = 270}, "00 010E 50 48 5F 0000 00 0000000"},
        {"M above S", start, {.mean = 130}, failed},
        {"M not above D", start, {.mean = 80}, failed},
        {"error byte as received", start, {.error = 9}, "00 0078 50 48 5F 0000 09 0000000"},
        {"next minute", start, {.minute = 1}, "00 0078 50 48 5F 0001 00 0000000"},
        {"a day and a minute", start, {.day = 16, .minute = 1}, "00 0078 50 48 5F 1441 00 0000000"},
        {"seven days: 010080", start, {.day = 22}, "01 0078 50 48 5F 0080 00 0000000"},
        {"seven days and a minute", start, {.day = 22, .minute = 1}, failed},
        {"a minute before the start", start, {.hour = 9, .minute = 59}, failed},
        {"hour 24", start, {.hour = 24}, failed},
        {"minute 60", start, {.minute = 60}, failed},
        {"29 February of a common year", At(2010, 2, 28), At(2010, 2, 29), failed},
        {"29 February of a leap year", At(2012, 2, 28), At(2012, 2, 29),
         "00 0078 50 48 5F 1440 00 0000000"},
        {"31 April", At(2010, 4, 30), At(2010, 4, 31), failed},
        {"day 0", At(2010, 2, 28), At(2010, 3, 0), failed},
        {"month 13", At(2010, 12, 31), At(2010, 13, 1), failed},
        {"month 0", At(2009, 12, 31), At(2010, 0, 31), failed},
    };
    for (const Case& c : cases) {
        DownloadedBlock block(1, 2, 0);
        block.add(Record(c.first));
        block.add(Record(c.second));
        EXPECT_EQ(block.readingTexts().at(1), Grouped(c.text)) << c.what;
    }
}

TEST(DownloadedBlock, DamagedReadingsAreFailedAtThePreviousGoodTimeAndTheTestStartsAtTheFirstGood) {
    DownloadedBlock block(2, 6, 0);
    block.add(Record(At(2010, 15, 5, 9, 0)));    // damaged before any good record
    block.add(Record(At(2010, 3, 5, 9, 7)));     // first good: the start
    block.add(Record(At(2010, 3, 5, 9, 22)));    // good, 15 minutes
    block.add(Record(At(2003, 3, 5, 9, 37)));    // years before the start: damaged
    block.add(Record(At(2010, 3, 5, 9, 52)));    // good, 45 minutes
    block.add(Record(At(2010, 3, 5, 10, 7), 7)); // five bytes never came
    EXPECT_EQ(block.count(DownloadedBlock::Quality::Damaged), 2);
    EXPECT_EQ(block.count(DownloadedBlock::Quality::Incomplete), 1);
    TempDir dir;
    ASSERT_TRUE(block.writeTo(dir.file("r.awp")));
    // The header comes from the first good record: day first, the minute with two digits.
    const CIniDocument doc(dir.file("r.awp"));
    std::string header;
    for (const char* key : {"Name", "ID", "Count", "Test Count"})
        header += doc.GetString("PATIENT DATA", key, "-") + "|";
    for (const char* key : {"TestBeginDate", "YearBegin", "MonthBegin", "DayBegin", "HourBegin",
                            "MinBegin", "Count", "AMU"})
        header += doc.GetString("TEST 1", key, "-") + "|";
    EXPECT_EQ(header, "num2|02|6|1|5/3/2010 9:07|2010|3|5|9|7|6|VELORA07|");
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
