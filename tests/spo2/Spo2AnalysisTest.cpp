// The queries over histograms and events, on one small series worked out by hand.
#include <gtest/gtest.h>

#include "SeriesBuilder.h"
#include "Spo2Analysis.h"

using namespace SeriesBuilder;

namespace {

// SpO2 (L = 39):
//   0..4 96 | 5..14 95..86 | 15 86 | 16 85 | 17..21 96 | 22..27 95..90 | 28..32 90 | 33 89
//   | 34..36 96 | 37, 38 no data
// Events: {s 4, d 12, 96 -> 85} and {s 21, d 12, 96 -> 89}.
// Pulse: 60, no data at 10..12, 70 at 20: one fall from the 70 to the flat 60 that runs to
// the end, {s 20, d 18, 70 -> 60}.
class Spo2AnalysisQueries : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::vector<int> spo2 = Join({Repeat(96, 5),
                                            Ramp(95, 86),
                                            {86, 85},
                                            Repeat(96, 5),
                                            Ramp(95, 90),
                                            Repeat(90, 5),
                                            {89},
                                            Repeat(96, 3),
                                            {0, 0}});
        std::vector<int> pulse = Repeat(60, 39);
        pulse[10] = pulse[11] = pulse[12] = 0;
        pulse[20] = 70;
        analysis.analyse(MakeSeries(spo2, pulse));
    }
    Spo2Analysis analysis;
};

} // namespace

TEST_F(Spo2AnalysisQueries, HistogramsCountEverySecondIncludingGaps) {
    const std::map<int, int> spo2{{0, 2},  {85, 1}, {86, 2}, {87, 1}, {88, 1}, {89, 2}, {90, 7},
                                  {91, 2}, {92, 2}, {93, 2}, {94, 2}, {95, 2}, {96, 13}};
    EXPECT_EQ(analysis.spo2Histogram(), spo2);
    const std::map<int, int> pulse{{0, 3}, {60, 35}, {70, 1}};
    EXPECT_EQ(analysis.pulseHistogram(), pulse);
    EXPECT_EQ(analysis.seriesLength(), 39);
    EXPECT_EQ(analysis.zeroSeconds(), 2);
    EXPECT_EQ(analysis.pulseZeroSeconds(), 3);
    EXPECT_EQ(analysis.spo2Values().size(), 39u);
    EXPECT_EQ(analysis.pulseValues()[20], 70);
}

TEST_F(Spo2AnalysisQueries, LevelQueriesLeaveOutSecondsWithoutData) {
    EXPECT_EQ(analysis.secondsBelow(90), 7); // 89 x2, 88, 87, 86 x2, 85
    EXPECT_EQ(analysis.secondsBelow(85), 0);
    EXPECT_EQ(analysis.secondsBelow(1), 0);
    EXPECT_EQ(analysis.secondsBelow(101), 37);
    EXPECT_EQ(analysis.minimumSpo2(), 85);
    EXPECT_EQ(analysis.minimumPulse(), 60);
    // (96*13 + 95*2 + 94*2 + 93*2 + 92*2 + 91*2 + 90*7 + 89*2 + 88 + 87 + 86*2 + 85) / 37
    EXPECT_DOUBLE_EQ(analysis.averageSpo2(), 3418.0 / 37);
    EXPECT_DOUBLE_EQ(analysis.averagePulse(), (35 * 60 + 70) / 36.0);
}

TEST_F(Spo2AnalysisQueries, EventQueries) {
    EXPECT_EQ(analysis.eventCount(), 2);
    EXPECT_EQ(analysis.pulseEventCount(), 1);
    EXPECT_EQ(analysis.totalEventSeconds(), 24);
    EXPECT_EQ(analysis.totalPulseEventSeconds(), 18);
    EXPECT_EQ(analysis.eventDurations(), (std::map<int, int>{{4, 12}, {21, 12}}));
    EXPECT_EQ(analysis.pulseEventDurations(), (std::map<int, int>{{20, 18}}));
    EXPECT_EQ(analysis.lowestEventValue(), 85);
    EXPECT_EQ(analysis.eventsBelow(90), 2);
    EXPECT_EQ(analysis.eventsBelow(89), 1);
    EXPECT_EQ(analysis.eventsBelow(85), 0);
    EXPECT_DOUBLE_EQ(analysis.averageEventLow(100), 87.0);
    EXPECT_DOUBLE_EQ(analysis.averageEventLow(89), 85.0);
    EXPECT_DOUBLE_EQ(analysis.averageEventLow(85), 0.0);
}

TEST_F(Spo2AnalysisQueries, EventSecondsBelowCountFromTheFirstSampleUnderTheLevel) {
    // First event below 88: 87 at 13, so 13..16 = 4 s (d 12 - j 8). The second ends at 89.
    EXPECT_EQ(analysis.eventSecondsBelow(88), 4);
    // Below 90: 89 at 11 gives 12 - 6 = 6; the second event's 89 at 33 gives 12 - 11 = 1.
    EXPECT_EQ(analysis.eventSecondsBelow(90), 7);
    // The start sample is not counted, even when it lies below the level itself.
    EXPECT_EQ(analysis.eventSecondsBelow(97), 24);
    EXPECT_EQ(analysis.eventSecondsBelow(85), 0);
}

TEST(Spo2Analysis, EmptySeriesGivesTheEmptyValues) {
    Spo2Analysis a;
    a.analyse(Spo2Series{});
    EXPECT_EQ(a.seriesLength(), 0);
    EXPECT_TRUE(a.spo2Histogram().empty());
    EXPECT_TRUE(a.pulseHistogram().empty());
    EXPECT_EQ(a.eventCount(), 0);
    EXPECT_EQ(a.pulseEventCount(), 0);
    EXPECT_EQ(a.secondsBelow(101), 0);
    EXPECT_EQ(a.eventSecondsBelow(88), 0);
    EXPECT_EQ(a.minimumSpo2(), 0);
    EXPECT_EQ(a.minimumPulse(), 0);
    EXPECT_EQ(a.averageEventLow(100), 0.0);
    EXPECT_EQ(a.lowestEventValue(), 100);
    EXPECT_EQ(a.eventsBelow(100), 0);
    EXPECT_EQ(a.totalEventSeconds(), 0);
    EXPECT_EQ(a.totalPulseEventSeconds(), 0);
    EXPECT_EQ(a.averageSpo2(), 0.0);
    EXPECT_EQ(a.averagePulse(), 0.0);
    EXPECT_TRUE(a.eventDurations().empty());
    EXPECT_TRUE(a.pulseEventDurations().empty());
}

TEST(Spo2Analysis, SeriesWithoutDataHasNoMinimumOrAverage) {
    Spo2Analysis a;
    a.analyse(MakeSeries(Repeat(0, 5), 0));
    EXPECT_EQ(a.zeroSeconds(), 5);
    EXPECT_EQ(a.minimumSpo2(), 0);
    EXPECT_EQ(a.averageSpo2(), 0.0);
    EXPECT_EQ(a.averagePulse(), 0.0);
}

TEST(Spo2Analysis, ParametersHaveTheirDefaultsAndOutliveTheResults) {
    Spo2Analysis a;
    EXPECT_EQ(a.parameters().dropThreshold, 4);
    EXPECT_EQ(a.parameters().minimumDuration, 10);
    EXPECT_EQ(a.criticalLevel(), 88);
    EXPECT_EQ(a.parameters().pulseChangeThreshold, 6);
    EXPECT_EQ(a.parameters().pulseMinimumDuration, 8);
    EXPECT_EQ(kMaxSpo2EventSeconds, 180);
    EXPECT_EQ(kMaxPulseEventSeconds, 180);

    a.setSpo2Parameters(3, 12);
    a.setPulseParameters(7, 9);
    a.setCriticalLevel(90);
    a.analyse(MakeSeries(Join({Repeat(96, 5), Ramp(95, 84), {96}}))); // d = 12
    EXPECT_EQ(a.eventCount(), 1);
    a.analyse(Spo2Series{}); // a new run replaces every result ...
    EXPECT_EQ(a.eventCount(), 0);
    EXPECT_TRUE(a.spo2Values().empty());
    a.clear();
    // ... but never the parameters.
    EXPECT_EQ(a.parameters().dropThreshold, 3);
    EXPECT_EQ(a.parameters().minimumDuration, 12);
    EXPECT_EQ(a.parameters().pulseChangeThreshold, 7);
    EXPECT_EQ(a.parameters().pulseMinimumDuration, 9);
    EXPECT_EQ(a.criticalLevel(), 90);
}
