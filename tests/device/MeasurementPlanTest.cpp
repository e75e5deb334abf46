#include <gtest/gtest.h>

#include "FakeTiming.h"
#include "MeasurementPlan.h"

namespace {

using Plan = MeasurementPlan;

std::vector<int> Slice(const Plan::Bytes& b, std::size_t from, std::size_t to) {
    return std::vector<int>(b.begin() + from, b.begin() + to);
}

// Bytes 53-70 by hand. First use: 07:00 (slot 14) every 5 minutes, 22:00 (slot 44) every 30, no
// special period; the start 12:35 is awake. Set: slot 13 is 06:30 (every 15 minutes, entry 3),
// asleep interval "none"; special entries 27 and 30 are slots 26 and 29, 13:00 and 14:30, every
// 120 minutes (entry 9); start key off, display on. Then the kind byte.
TEST(MeasurementPlan, ChoicesLandAtTheirOffsets) {
    const int FF = 0xFF;
    const std::vector<std::pair<PlanChoices, std::vector<int>>> cases{
        {{}, {1, 0x18, 1, 1, 7, 0, 5, 22, 0, 30, FF, FF, FF, FF, FF, 0, 1, 0x51}},
        {{"Li", "7", 13, 3, 44, 0, 27, 30, 9, 1, 0},
         {1, 0x18, 1, FF, 6, 30, 15, 22, 0, FF, 13, 0, 120, 14, 30, 0, 1, 0x51}},
    };
    const std::time_t start = UtcTime(2010, 3, 15, 12, 30);
    for (const auto& [c, bytes53to70] : cases)
        EXPECT_EQ(Slice(Plan::Ambulatory(c, RecorderKind::VeloraAmbulatory, start).bytes(), 53, 71),
                  bytes53to70);
    EXPECT_EQ(Plan::Ambulatory({}, RecorderKind::ZemAbpm, 0).bytes()[70], 0); // no kind byte
    PlanChoices outside;
    outside.awakeTime = 48; // the lists have 48 entries
    EXPECT_THROW(Plan::Ambulatory(outside, RecorderKind::ZemAbpm, 0), std::out_of_range);
}

TEST(MeasurementPlan, ClockAndStartFiveMinutesLaterRollOverTheYear) {
    const auto b =
        Plan::Ambulatory({}, RecorderKind::ZemAbpm, UtcTime(2010, 12, 31, 23, 58)).bytes();
    // 2010 = 0x07DA, 2011 = 0x07DB, big-endian.
    EXPECT_EQ(Slice(b, 41, 53), (std::vector<int>{0x07, 0xDA, 12, 31, 23, 58, //
                                                  0x07, 0xDB, 1, 1, 0, 3}));
}

// The name fills bytes 0-29, the identifier 30-40; 11 bytes of the GBK identifier would split
// its sixth character: five characters and a zero byte.
TEST(MeasurementPlan, TextsFillTheirFieldsWithoutSplittingACharacter) {
    const auto zem = Plan::Ambulatory(
        {.patientName = std::string(29, 'N'), .patientId = "9999999999"}, RecorderKind::ZemAbpm, 0);
    EXPECT_EQ(std::string(zem.bytes().begin(), zem.bytes().begin() + 41),
              std::string(29, 'N') + '\0' + "9999999999" + '\0');
    std::string name;
    for (int i = 0; i < 16; ++i)
        name += "\xD5\xC5"; // GBK "张", two bytes: 32 bytes in all
    const auto b = Plan::Monitoring(name, name.substr(0, 12), {2024, 2, 29, 23, 59, 58}).bytes();
    EXPECT_EQ(std::string(b.begin(), b.begin() + 41),
              name.substr(0, 30) + name.substr(0, 10) + '\0');
    // The clock with its second at 47, then zeros up to the kind byte.
    std::vector<int> rest{0x07, 0xE8, 2, 29, 23, 59, 58};
    rest.resize(29, 0);
    rest.push_back(0x52);
    EXPECT_EQ(Slice(b, 41, 71), rest);
}

TEST(MeasurementPlan, PeriodCodeOfTheMeasurementStart) {
    const int h = 60; // t, awake, asleep, special start and end, code
    const int cases[][6] = {
        {23 * h, 22 * h, 7 * h, -1, -1, 1}, // awake wrapping midnight
        {12 * h, 22 * h, 7 * h, -1, -1, 2},
        {13 * h, 7 * h, 22 * h, 12 * h, 14 * h, 3}, // the special period wins
        {14 * h, 7 * h, 22 * h, 12 * h, 14 * h, 3}, // its ends are inclusive
        {15 * h, 7 * h, 22 * h, 12 * h, 14 * h, 1},
        {3 * h, 7 * h, 22 * h, -1, 14 * h, 2}, // only an end given: no special period
        {30, 7 * h, 22 * h, 23 * h, 1 * h, 3}, // a special period across midnight
        {22 * h + 30, 7 * h, 22 * h, 23 * h, 1 * h, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Plan::PeriodCode(c[0], c[1], c[2], c[3], c[4]), c[5]) << c[0];
    // Awake from 07:00 to 22:00: the clock at 21:58 is awake, the start at 22:03 is not.
    EXPECT_EQ(Plan::Ambulatory({}, RecorderKind::ZemAbpm, UtcTime(2010, 3, 15, 21, 58))
                  .bytes()[Plan::kPeriodCode],
              2);
}

} // namespace
