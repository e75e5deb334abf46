// The queries over the seconds and the events, on one small series worked out by hand.
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

TEST_F(Spo2AnalysisQueries, LevelQueriesLeaveOutSecondsWithoutData) {
    EXPECT_EQ(analysis.seriesLength(), 39);
    EXPECT_EQ(analysis.zeroSeconds(), 2);
    EXPECT_EQ(analysis.pulseZeroSeconds(), 3);
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
    EXPECT_EQ(analysis.eventsBelow(90), 2);
    EXPECT_EQ(analysis.eventsBelow(89), 1);
    EXPECT_EQ(analysis.eventsBelow(85), 0);
    EXPECT_DOUBLE_EQ(analysis.averageEventLow(100), 87.0);
    EXPECT_DOUBLE_EQ(analysis.averageEventLow(89), 85.0);
    EXPECT_DOUBLE_EQ(analysis.averageEventLow(85), 0.0);
    // Counted from the first sample under the level. First event below 88: 87 at 13, so 13..16
    // = 4 s (d 12 - j 8); the second ends at 89.
    EXPECT_EQ(analysis.eventSecondsBelow(88), 4);
    // Below 90: 89 at 11 gives 12 - 6 = 6; the second event's 89 at 33 gives 12 - 11 = 1.
    EXPECT_EQ(analysis.eventSecondsBelow(90), 7);
    // The start sample is not counted, even when it lies below the level itself.
    EXPECT_EQ(analysis.eventSecondsBelow(97), 24);
    EXPECT_EQ(analysis.eventSecondsBelow(85), 0);
}

TEST(Spo2Analysis, ANewRunReplacesEveryResultButNeverTheParameters) {
    Spo2Analysis a;
    a.setSpo2Parameters(3, 12);
    a.setPulseParameters(7, 9);
    a.setCriticalLevel(90);
    a.analyse(MakeSeries(Join({Repeat(96, 5), Ramp(95, 84), {96}}))); // d = 12
    EXPECT_EQ(a.eventCount(), 1);
    a.analyse(Spo2Series{});
    EXPECT_EQ(a.eventCount(), 0);
    EXPECT_TRUE(a.spo2Values().empty());
    a.clear();
    const Spo2Parameters& p = a.parameters();
    EXPECT_EQ(std::vector<int>({p.dropThreshold, p.minimumDuration, p.pulseChangeThreshold,
                                p.pulseMinimumDuration, a.criticalLevel()}),
              std::vector<int>({3, 12, 7, 9, 90}));
}
