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

TEST(DownloadedBlock, RecordsWithImpossibleTimesAreDamaged) {
    struct Case {
        const char* what;
        RawReading reading;
        Quality quality;
    };
    // Each case follows a good first record at 2010-03-15 10:00.
    const std::vector<Case> cases{
        {"next minute", At(2010, 3, 15, 10, 1), Quality::Good},
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
        SCOPED_TRACE(c.what);
        DownloadedBlock block(1, 2, 0);
        block.add(Record(At(2010, 3, 15, 10, 0)));
        block.add(Record(c.reading));
        EXPECT_EQ(block.qualities().back(), c.quality);
    }
    // 29 February exists in a leap year.
    DownloadedBlock leap(1, 2, 0);
    leap.add(Record(At(2012, 2, 28, 23, 0)));
    leap.add(Record(At(2012, 2, 29, 1, 0)));
    EXPECT_EQ(leap.qualities().back(), Quality::Good);
}

TEST(DownloadedBlock, DamagedReadingsAreFailedAtThePreviousGoodTimeAndTheTestStartsAtTheFirstGood) {
    DownloadedBlock block(1, 6, 0);
    block.add(Record(At(2010, 15, 3, 10, 0)));    // damaged before any good record
    block.add(Record(At(2010, 3, 15, 10, 0)));    // first good: the start
    block.add(Record(At(2010, 3, 15, 10, 15)));   // good, 15 minutes
    block.add(Record(At(2003, 3, 15, 10, 30)));   // years before the start: damaged
    block.add(Record(At(2010, 3, 15, 10, 45)));   // good, 45 minutes
    block.add(Record(At(2010, 3, 15, 11, 0), 7)); // five bytes never came
    EXPECT_EQ(block.count(Quality::Damaged), 2);
    EXPECT_EQ(block.count(Quality::Incomplete), 1);

    TempDir dir;
    ASSERT_TRUE(block.writeTo(dir.file("r.awp")));
    EXPECT_EQ(CIniDocument(dir.file("r.awp")).GetString("TEST 1", "TestBeginDate", ""),
              "15/3/2010 10:00");
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
