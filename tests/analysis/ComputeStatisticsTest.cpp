#include <gtest/gtest.h>

#include "BpStatistics.h"
#include "ReadingBuilders.h"

namespace {

using Q = BpQuantity;
using Bins = std::vector<std::pair<int, int>>;

class ComputeStatisticsTest : public ::testing::Test {
  protected:
    void Run() { ComputeStatistics(*record, sets, stats); }

    std::unique_ptr<PatientRecord> record = std::make_unique<PatientRecord>();
    ReadingSets sets;
    BpStatistics stats;
};

Bins BinsOf(const Histogram& h) {
    Bins out;
    for (const HistogramBin& b : h)
        out.emplace_back(b.lowerBound, b.perMille);
    return out;
}

} // namespace

TEST_F(ComputeStatisticsTest, SystolicHistogramOf118And121And125BesideAnEmptyAsleepPeriod) {
    // q(118) = 23, q(125) = 25: 25 - 23 + 2 = 4 bins from 5 * 23 - 5 = 110. 125 lies in
    // (120, 125], so the bin at 120 holds two of three readings.
    sets.awake = {Reading(118, 80), Reading(121, 80), Reading(125, 80)};
    sets.included = sets.awake;
    Run();
    EXPECT_EQ(BinsOf(stats.awakeSystolic), (Bins{{110, 0}, {115, 333}, {120, 666}, {125, 0}}));
    EXPECT_TRUE(stats.asleepSystolic.empty());
    EXPECT_EQ(stats.asleep[Q::Systolic].maxIndex, -1);
    EXPECT_EQ(stats.asleep[Q::Systolic].mean, 0.0f);
    EXPECT_EQ(LoadPercent(stats.asleepSysOver, stats.asleepCount), 0.0); // 0 of 0
}

TEST_F(ComputeStatisticsTest, MeansAreUnroundedFloatsTiesGoToTheLaterReading) {
    // 120 + 121 + 121 = 362; 362 / 3 as a float. Pulse pressures 40, 40, 41.
    sets.included = {Reading(120, 80, 60), Reading(121, 81, 61), Reading(121, 80, 62)};
    sets.awake = sets.included;
    record->test.readingCount = 5; // two of them excluded or failed
    Run();
    EXPECT_EQ(stats.included[Q::Systolic].mean, static_cast<float>(362.0 / 3.0));
    EXPECT_EQ(stats.included[Q::HeartRate].mean, 61.0f);
    EXPECT_EQ(stats.included[Q::PulsePressure].mean, static_cast<float>(121.0 / 3.0));
    EXPECT_EQ(stats.included[Q::MeanPressure].mean, static_cast<float>((93 + 94 + 93) / 3.0));
    EXPECT_EQ(stats.totalCount, 5);
    EXPECT_EQ(stats.includedCount, 3);

    sets.awake = {Reading(150, 90), Reading(130, 85), Reading(150, 95), Reading(130, 88)};
    Run();
    const QuantitySummary &sys = stats.awake[Q::Systolic], &dia = stats.awake[Q::Diastolic];
    EXPECT_EQ((std::array{sys.maxIndex, sys.minIndex, dia.maxIndex, dia.minIndex}),
              (std::array{2, 3, 2, 1}));
}

TEST_F(ComputeStatisticsTest, EachPeriodIsJudgedAgainstItsOwnThresholds) {
    // Asleep systolic 125 rather than the default 120, so the copy kept with the figures shows.
    record->thresholds = BpThresholds{140, 125, 90, 80};
    // Awake: 140/90 sits on the thresholds (not over), 141/91 is over both.
    sets.awake = {Reading(140, 90), Reading(141, 91), Reading(130, 85)};
    // Asleep: 130/85 is over both asleep thresholds, 125/80 is on them.
    sets.asleep = {Reading(130, 85), Reading(125, 80)};
    sets.included = {Reading(140, 90), Reading(141, 91), Reading(130, 85), Reading(130, 85),
                     Reading(125, 80)};
    Run();
    EXPECT_EQ((std::array{stats.awakeSysOver, stats.awakeDiaOver, stats.asleepSysOver,
                          stats.asleepDiaOver, stats.daySysOver, stats.dayDiaOver}),
              (std::array{1, 1, 1, 1, 2, 2}));
    EXPECT_EQ(stats.thresholds.asleepSys, 125);
    EXPECT_DOUBLE_EQ(LoadPercent(stats.daySysOver, stats.includedCount), 40.0);
}

TEST_F(ComputeStatisticsTest, PulsePressureHistogramReachesBelowZero) {
    // A failed reading: pulse pressures 0 and 43, q(0) = 0, q(43) = 8, so 10 bins from -5;
    // 0 lies in (-5, 0]. Heart rate, mean and pulse pressure cover the included set.
    sets.included = {Reading(0, 0, 0), Reading(125, 82, 64)};
    sets.asleep = sets.included;
    Run();
    ASSERT_EQ(stats.pulsePressure.size(), 10u);
    EXPECT_EQ(BinsOf(stats.pulsePressure).front(), std::make_pair(-5, 500));
    EXPECT_EQ(BinsOf(stats.pulsePressure).back(), std::make_pair(40, 500));
    EXPECT_EQ(stats.heartRate.front().lowerBound, -5);
    // A damaged reading with diastolic above systolic: pulse pressures -7 and 3. q(-7) = -1
    // (toward zero) and q(3) = 0: 0 - (-1) + 2 = 3 bins from -10.
    sets.included = {Reading(70, 77), Reading(83, 80)};
    sets.awake = sets.included;
    sets.asleep.clear();
    Run();
    EXPECT_EQ(BinsOf(stats.pulsePressure), (Bins{{-10, 500}, {-5, 0}, {0, 500}}));
}
