#include <gtest/gtest.h>

#include "ReadingBuilders.h"
#include "ReadingSets.h"

namespace {

std::vector<int> Offsets(const ReadingSet& set) {
    std::vector<int> out;
    for (const BpReading& r : set)
        out.push_back(r.minutesFromStart);
    return out;
}

} // namespace

TEST(ClassifyReadings, PeriodLimitsFollowTheClockFromTheTestStart) {
    struct Case {
        const char* name;
        int start, awake, asleep;
        std::vector<int> offsets, expectedAwake, expectedAsleep;
    } cases[] = {
        // From midnight an offset is the clock minute. Awake 07:00, asleep 22:00: the night
        // runs across midnight and both limits are awake.
        {"across midnight", 0, 420, 1320, {420, 1320, 1321, 419}, {420, 1320}, {1321, 419}},
        // Awake 09:00, asleep 01:00: the night lies inside one day, both limits asleep.
        {"inside a day", 0, 540, 60, {60, 540, 59, 541}, {59, 541}, {60, 540}},
        {"equal times", 0, 600, 600, {599, 600, 601}, {599, 601}, {600}},
        // Start 20:00: 120 is 22:00 (the awake limit), 1500 is 21:00 of the next day,
        // 2 * 1440 + 121 is 22:01 two days later.
        {"over days", 1200, 420, 1320, {120, 1500, 3001}, {120, 1500}, {3001}},
    };
    // One set object for all cases: nothing of a run may survive into the next.
    ReadingSets sets;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<BpReading> readings;
        for (int offset : c.offsets)
            readings.push_back(Reading(120, 80, 70, offset));
        ClassifyReadings(*MakeTest(c.start, c.awake, c.asleep, readings), sets);
        EXPECT_EQ(Offsets(sets.awake), c.expectedAwake);
        EXPECT_EQ(Offsets(sets.asleep), c.expectedAsleep);
        EXPECT_EQ(Offsets(sets.included), c.offsets);
    }
    EXPECT_EQ(ClockMinute(-30, 0), 1410); // a damaged start time still names a minute of the day
}

// A failed measurement is stored with systolic 0; it keeps its flag but takes no part.
TEST(ClassifyReadings, OnlyAFlagOfExactlyOneWithAMeasurementIncludes) {
    auto test = MakeTest(0, 420, 1320,
                         {Reading(120, 80, 70, 600, 1), Reading(130, 80, 70, 610, 0),
                          Reading(140, 80, 70, 620, 2), Reading(0, 0, 72, 630, 1),
                          Reading(0, 0, 0, 200, 1), Reading(125, 85, 70, 640, 1)});
    ReadingSets sets;
    ClassifyReadings(*test, sets);
    ASSERT_EQ(sets.included.size(), 2u);
    EXPECT_EQ(sets.awake.size(), 2u);
    EXPECT_TRUE(sets.asleep.empty());      // the failed reading at 03:20 is in no set either
    EXPECT_EQ(sets.included[1].number, 5); // whole copies
}
