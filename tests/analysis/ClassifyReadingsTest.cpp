#include <gtest/gtest.h>

#include "ReadingBuilders.h"
#include "ReadingSets.h"

namespace {

constexpr int kAt0700 = 7 * 60;
constexpr int kAt2200 = 22 * 60;

std::vector<int> Offsets(const ReadingSet& set) {
    std::vector<int> out;
    for (const BpReading& r : set)
        out.push_back(r.minutesFromStart);
    return out;
}

} // namespace

// Test starting at midnight, so a reading's offset is its clock minute.
TEST(ClassifyReadings, NightAcrossMidnightKeepsBothLimitsAwake) {
    auto test = MakeTest(0, kAt0700, kAt2200,
                         {Reading(120, 80, 70, 7 * 60), Reading(120, 80, 70, 22 * 60),
                          Reading(120, 80, 70, 22 * 60 + 1), Reading(120, 80, 70, 6 * 60 + 59)});
    ReadingSets sets;
    ClassifyReadings(*test, sets);
    EXPECT_EQ(Offsets(sets.awake), (std::vector<int>{420, 1320}));
    EXPECT_EQ(Offsets(sets.asleep), (std::vector<int>{1321, 419}));
    EXPECT_EQ(sets.included.size(), 4u);
}

TEST(ClassifyReadings, NightInsideOneDayKeepsBothLimitsAsleep) {
    // Awake 09:00, asleep 01:00.
    auto test = MakeTest(0, 9 * 60, 60,
                         {Reading(120, 80, 70, 60), Reading(120, 80, 70, 9 * 60),
                          Reading(120, 80, 70, 59), Reading(120, 80, 70, 9 * 60 + 1)});
    ReadingSets sets;
    ClassifyReadings(*test, sets);
    EXPECT_EQ(Offsets(sets.asleep), (std::vector<int>{60, 540}));
    EXPECT_EQ(Offsets(sets.awake), (std::vector<int>{59, 541}));
}

TEST(ClassifyReadings, EqualTimesMakeOnlyThatMinuteAsleep) {
    auto test =
        MakeTest(0, 600, 600,
                 {Reading(120, 80, 70, 599), Reading(120, 80, 70, 600), Reading(120, 80, 70, 601)});
    ReadingSets sets;
    ClassifyReadings(*test, sets);
    EXPECT_EQ(Offsets(sets.asleep), (std::vector<int>{600}));
    EXPECT_EQ(Offsets(sets.awake), (std::vector<int>{599, 601}));
}

TEST(ClassifyReadings, ClockTimeWrapsOverDaysFromTheTestStart) {
    // Start 20:00: offset 120 is 22:00 (awake limit), offset 1500 is 21:00 of the next day,
    // offset 2 * 1440 + 121 is 22:01 two days later.
    auto test = MakeTest(20 * 60, kAt0700, kAt2200,
                         {Reading(120, 80, 70, 120), Reading(120, 80, 70, 1500),
                          Reading(120, 80, 70, 2 * 1440 + 121)});
    ReadingSets sets;
    ClassifyReadings(*test, sets);
    EXPECT_EQ(Offsets(sets.awake), (std::vector<int>{120, 1500}));
    EXPECT_EQ(Offsets(sets.asleep), (std::vector<int>{2 * 1440 + 121}));
}

// A failed measurement is stored with systolic 0; it keeps its flag but takes no part.
TEST(ClassifyReadings, OnlyAFlagOfExactlyOneWithAMeasurementIncludes) {
    auto test = MakeTest(0, kAt0700, kAt2200,
                         {Reading(120, 80, 70, 600, 1), Reading(130, 80, 70, 610, 0),
                          Reading(140, 80, 70, 620, 2), Reading(0, 0, 72, 630, 1),
                          Reading(0, 0, 0, 200, 1), Reading(125, 85, 70, 640, 1)});
    test->readings[0].comment = "after lunch";
    ReadingSets sets;
    ClassifyReadings(*test, sets);
    ASSERT_EQ(sets.included.size(), 2u);
    EXPECT_EQ(sets.awake.size(), 2u);
    EXPECT_TRUE(sets.asleep.empty()); // the failed reading at 03:20 is in no set either
    // Whole copies: the comment and the number come along.
    EXPECT_EQ(sets.included[0].comment, "after lunch");
    EXPECT_EQ(sets.included[1].number, 5);
}

TEST(ClassifyReadings, SecondRunLeavesNothingOfTheFirst) {
    auto big =
        MakeTest(0, kAt0700, kAt2200,
                 {Reading(120, 80, 70, 100), Reading(120, 80, 70, 600), Reading(120, 80, 70, 700)});
    auto small = MakeTest(0, kAt0700, kAt2200, {Reading(125, 85, 70, 800)});
    ReadingSets sets;
    ClassifyReadings(*big, sets);
    ClassifyReadings(*small, sets);
    EXPECT_EQ(Offsets(sets.included), (std::vector<int>{800}));
    EXPECT_EQ(Offsets(sets.awake), (std::vector<int>{800}));
    EXPECT_TRUE(sets.asleep.empty());
}

TEST(ClockMinute, StaysInsideTheDayForAnyStart) {
    EXPECT_EQ(ClockMinute(23 * 60 + 50, 15), 5);
    EXPECT_EQ(ClockMinute(0, 3 * 1440 + 61), 61);
    EXPECT_EQ(ClockMinute(-30, 0), 1410); // a damaged start time still names a minute of the day
}
