#include <gtest/gtest.h>

#include <cmath>

#include "ReadingBuilders.h"
#include "ReadingSetStats.h"

namespace {

using Q = ReadingSetStats::Quantity;

class ReadingSetStatsTest : public ::testing::Test {
  protected:
    // Attaches the set to a test starting at startMinuteOfDay and computes.
    void Compute(std::initializer_list<BpReading> readings, int startMinuteOfDay = 8 * 60) {
        test = MakeTest(startMinuteOfDay, 7 * 60, 22 * 60, {});
        set = ReadingSet(readings);
        stats.attach(set, *test);
        stats.compute();
    }

    std::unique_ptr<TestRecord> test;
    ReadingSet set;
    ReadingSetStats stats;
};

} // namespace

TEST_F(ReadingSetStatsTest,
       MeanIsTruncatedAndSkipsZeroHeartRatesButTheDeviationDoesNotAndAnEmptySetGivesZeros) {
    Compute({Reading(121, 80, 0), Reading(122, 80, 60), Reading(122, 80, 80)});
    // (121 + 122 + 122) / 3 = 121.67 -> 121; SD around 121: (0 + 1 + 1) / 3.
    EXPECT_EQ(stats.mean(Q::Systolic), 121);
    EXPECT_DOUBLE_EQ(stats.standardDeviation(Q::Systolic), std::sqrt(2.0 / 3));
    // Mean over 60 and 80 only; the deviation runs around 70 over all three readings.
    EXPECT_EQ(stats.mean(Q::HeartRate), 70);
    EXPECT_DOUBLE_EQ(stats.standardDeviation(Q::HeartRate),
                     std::sqrt((70.0 * 70 + 10 * 10 + 10 * 10) / 3));

    // Nothing of it survives into an empty set: zeros and no times.
    Compute({});
    EXPECT_EQ(stats.mean(Q::Systolic) + stats.maximum(Q::Systolic) + stats.minimum(Q::HeartRate),
              0);
    EXPECT_EQ(stats.maximumTime(Q::Diastolic), "");
    EXPECT_EQ(stats.standardDeviation(Q::Systolic), 0.0);
    stats.computeLoadFractions(Q::Systolic, 140, 100);
    EXPECT_EQ(stats.loadFractions(Q::Systolic).within, 0.0);
    stats.computeHistogram(Q::Systolic, 80, 210, 10);
    EXPECT_EQ(stats.histogram(Q::Systolic), std::vector<double>(13, 0.0));
}

TEST_F(ReadingSetStatsTest, TiesKeepTheEarlierReadingAndItsClockTimeOverMidnight) {
    // Start 23:30: offsets 0, 30, 60, 90 are 23:30, 00:00, 00:30, 01:00.
    Compute({Reading(130, 85, 70, 0), Reading(150, 95, 60, 30), Reading(150, 80, 60, 60),
             Reading(110, 80, 72, 90)},
            23 * 60 + 30);
    EXPECT_EQ(stats.maximum(Q::Systolic), 150);
    EXPECT_EQ(stats.maximumTime(Q::Systolic), "00:00");
    EXPECT_EQ(stats.minimum(Q::Systolic), 110);
    EXPECT_EQ(stats.minimumTime(Q::Systolic), "01:00");
    EXPECT_EQ(stats.minimum(Q::Diastolic), 80);
    EXPECT_EQ(stats.minimumTime(Q::Diastolic), "00:30");
    EXPECT_EQ(stats.minimumTime(Q::HeartRate), "00:00");
    EXPECT_EQ(stats.maximumTime(Q::HeartRate), "01:00");
}

TEST_F(ReadingSetStatsTest, LoadBandsHoldTheirLimitsHistogramBinsAreOpenBelowClosedAbove) {
    Compute({Reading(80, 70), Reading(90, 70), Reading(91, 70), Reading(200, 70), Reading(205, 70),
             Reading(210, 70), Reading(211, 70)});
    // Band 90-200: 80 below; 90, 91 and 200 within; 205, 210 and 211 above.
    stats.computeLoadFractions(Q::Systolic, 200, 90);
    const auto& f = stats.loadFractions(Q::Systolic);
    EXPECT_DOUBLE_EQ(f.above, 3.0 / 7);
    EXPECT_DOUBLE_EQ(f.within, 3.0 / 7);
    EXPECT_DOUBLE_EQ(f.below, 1.0 / 7);
    // (80, 210] by 10: 13 bins. 80 and 211 are outside; 90 in bin 0, 91 in bin 1, 200 in
    // bin 11, 205 and 210 in bin 12.
    stats.computeHistogram(Q::Systolic, 80, 210, 10);
    std::vector<double> expected(13, 0.0);
    expected[0] = expected[1] = expected[11] = 1.0 / 7;
    expected[12] = 2.0 / 7;
    EXPECT_EQ(stats.histogram(Q::Systolic), expected);
    // (205 - 80) / 10 = 12 bins reach up to 200; 205 has no bin and is left out.
    stats.computeHistogram(Q::Systolic, 80, 205, 10);
    expected.resize(12);
    expected[11] = 1.0 / 7;
    EXPECT_EQ(stats.histogram(Q::Systolic), expected);
    stats.computeHistogram(Q::Systolic, 80, 205, 0);
    EXPECT_TRUE(stats.histogram(Q::Systolic).empty());
}
