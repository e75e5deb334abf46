#include <gtest/gtest.h>

#include "CIniDocument.h"
#include "Spo2Series.h"
#include "TempDir.h"

namespace {

const char* const kStart =
    "YearBegin=2026\r\nMonthBegin=3\r\nDayBegin=20\r\nHourBegin=23\r\nMinBegin=5\r\nSecBegin=9\r\n";

Spo2ReadResult ReadPack(const std::string& count, const std::string& pack, Spo2Series& series,
                        const std::string& start = kStart) {
    TempDir dir;
    const std::string path = dir.file("s.awp");
    WriteFileBytes(path, "[SPO2 DATA]\r\n" + start + "DataCount=" + count +
                             "\r\nDATA PACK=" + pack + "\r\n");
    const CIniDocument doc(path);
    return ReadSpo2Series(doc, series);
}

} // namespace

TEST(Spo2Series, CountMustMatchThePack) {
    // Three records (positions 1, 2, 4) and a trailer of length 5: 8 + 12 * 3 characters.
    const std::string pack = "603C00000001"
                             "5F3D00000002"
                             "FF4000000004"
                             "00000005";
    Spo2Series s;
    ASSERT_EQ(ReadPack("3", pack, s), Spo2ReadResult::Loaded);
    ASSERT_EQ(s.length(), 5u);
    EXPECT_EQ(s.spo2[0], 96);
    EXPECT_EQ(s.pulse[0], 60);
    EXPECT_EQ(s.spo2[1], 95);
    EXPECT_EQ(s.spo2[2], 0); // no record names position 3
    EXPECT_EQ(s.pulse[2], 0);
    EXPECT_EQ(s.spo2[3], 100); // FF clamps to 100
    EXPECT_EQ(s.pulse[3], 64);
    EXPECT_EQ(s.spo2[4], 0);
    EXPECT_EQ(s.startText(), "2026-3-20 23:5:9");

    EXPECT_EQ(ReadPack("4", pack, s), Spo2ReadResult::Damaged);
    EXPECT_EQ(s.length(), 0u);
}

TEST(Spo2Series, PositionsOutsideTheSeriesAreSkipped) {
    // Positions 0 and 9 lie outside 1 ... 3.
    const std::string pack = "603C00000000"
                             "5F3D00000009"
                             "5E3E00000003"
                             "00000003";
    Spo2Series s;
    ASSERT_EQ(ReadPack("3", pack, s), Spo2ReadResult::Loaded);
    ASSERT_EQ(s.length(), 3u);
    EXPECT_EQ(s.spo2[0], 0);
    EXPECT_EQ(s.spo2[2], 94);
}

TEST(Spo2Series, MissingPackMeansNoDataAndBadTrailerOrRecordIsDamage) {
    TempDir dir;
    const std::string path = dir.file("n.awp");
    WriteFileBytes(path, "[PATIENT DATA]\r\nTest Count=1\r\n");
    Spo2Series s;
    {
        const CIniDocument doc(path);
        EXPECT_EQ(ReadSpo2Series(doc, s), Spo2ReadResult::NoData);
    }
    EXPECT_EQ(ReadPack("0", "0000", s), Spo2ReadResult::Damaged);     // no room for a trailer
    EXPECT_EQ(ReadPack("0", "0000ZZZZ", s), Spo2ReadResult::Damaged); // trailer not hex
    EXPECT_EQ(ReadPack("0", "FFFFFFFF", s), Spo2ReadResult::Damaged); // absurd length
    // A trailer that would overlap the last record.
    EXPECT_EQ(ReadPack("1", "603C000000010003", s), Spo2ReadResult::Damaged);
    // Records with anything but hexadecimal digits in them.
    EXPECT_EQ(ReadPack("1", "603C0000000G00000001", s), Spo2ReadResult::Damaged);
    EXPECT_EQ(ReadPack("1", "6 3C0000000100000001", s), Spo2ReadResult::Damaged);
    EXPECT_EQ(ReadPack("0", "00000000", s), Spo2ReadResult::Loaded);
    EXPECT_EQ(s.length(), 0u);
}

TEST(Spo2Series, AStartOutsideTheCalendarReadsAsZero) {
    Spo2Series s;
    ASSERT_EQ(ReadPack("0", "00000000", s,
                       "YearBegin=2026\r\nMonthBegin=13\r\nDayBegin=20\r\nHourBegin=24\r\n"
                       "MinBegin=5\r\nSecBegin=-1\r\n"),
              Spo2ReadResult::Loaded);
    EXPECT_EQ(s.startText(), "2026-0-20 0:5:0");
}
