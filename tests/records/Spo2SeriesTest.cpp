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

TEST(Spo2Series, RecordsFillTheirPositionsAndDamageIsRefused) {
    // Five records (positions 1, 2, 4, and 0 and 9 outside 1 ... 5) and a trailer of length 5:
    // 8 + 12 * 5 characters.
    const std::string pack = "603C00000001"
                             "5F3D00000002"
                             "FF4000000004"
                             "5E3E00000000"
                             "5D3F00000009"
                             "00000005";
    Spo2Series s;
    ASSERT_EQ(ReadPack("5", pack, s), Spo2ReadResult::Loaded);
    EXPECT_EQ(s.spo2, std::vector<std::uint8_t>({96, 95, 0, 100, 0})); // FF clamps to 100
    EXPECT_EQ(s.pulse, std::vector<std::uint8_t>({60, 61, 0, 64, 0}));
    EXPECT_EQ(s.startText(), "2026-3-20 23:5:9");

    EXPECT_EQ(ReadPack("6", pack, s), Spo2ReadResult::Damaged); // the count must match the pack
    EXPECT_EQ(s.length(), 0u);
    // A start outside the calendar reads as zero.
    ASSERT_EQ(ReadPack("0", "00000000", s,
                       "YearBegin=2026\r\nMonthBegin=13\r\nDayBegin=20\r\nHourBegin=24\r\n"
                       "MinBegin=5\r\nSecBegin=-1\r\n"),
              Spo2ReadResult::Loaded);
    EXPECT_EQ(s.startText(), "2026-0-20 0:5:0");
    // A missing pack means no data; a bad trailer or record is damage.
    TempDir dir;
    WriteFileBytes(dir.file("n.awp"), "[PATIENT DATA]\r\nTest Count=1\r\n");
    EXPECT_EQ(ReadSpo2Series(CIniDocument(dir.file("n.awp")), s), Spo2ReadResult::NoData);
    const std::pair<const char*, const char*> damaged[] = {
        {"0", "0000"},                  // no room for a trailer
        {"0", "0000ZZZZ"},              // trailer not hexadecimal
        {"0", "FFFFFFFF"},              // absurd length
        {"1", "603C000000010003"},      // a trailer that would overlap the last record
        {"1", "603C0000000G00000001"}}; // records with anything but hexadecimal digits
    for (const auto& [count, text] : damaged)
        EXPECT_EQ(ReadPack(count, text, s), Spo2ReadResult::Damaged) << text;
}
