// The episode rules, each on a short hand-made series. Indices in the comments are seconds
// from the series start; s is the episode's start, e its last sample, d = e - s.
#include <gtest/gtest.h>

#include "SeriesBuilder.h"
#include "Spo2Analysis.h"

using namespace SeriesBuilder;

namespace {

struct Expected {
    int start, duration, startValue, endValue;
};

class Spo2Events : public ::testing::Test {
  protected:
    const std::map<int, Spo2Event>& desaturations(const std::vector<int>& spo2) {
        analysis.analyse(MakeSeries(spo2));
        return analysis.desaturationEvents();
    }
    const std::map<int, Spo2Event>& pulseEvents(const std::vector<int>& pulse) {
        analysis.analyse(MakeSeries(Repeat(96, static_cast<int>(pulse.size())), pulse));
        return analysis.pulseEvents();
    }
    static void ExpectEvents(const std::map<int, Spo2Event>& events,
                             const std::vector<Expected>& expected) {
        ASSERT_EQ(events.size(), expected.size());
        auto it = events.begin();
        for (const Expected& x : expected) {
            const Spo2Event& e = (it++)->second;
            EXPECT_EQ(e.startIndex, x.start);
            EXPECT_EQ(e.duration, x.duration);
            EXPECT_EQ(e.startValue, x.startValue);
            EXPECT_EQ(e.endValue, x.endValue);
            EXPECT_EQ(e.values.size(), std::size_t(x.duration + 1));
        }
    }

    Spo2Analysis analysis;
};

// 96 x5 (0..4), 95 ... 86 (5..14), 86, 85 (15, 16), 95 (17).
const std::vector<int> kExampleFall = Join({Repeat(96, 5), Ramp(95, 86), {86, 85}, {95}});

} // namespace

TEST_F(Spo2Events, FallStartsAtTheLastPlateauSampleAndEndsAtItsLowest) {
    const auto& events = desaturations(kExampleFall);
    ExpectEvents(events, {{4, 12, 96, 85}});
    const std::vector<int> values = Join({{96}, Ramp(95, 86), {86, 85}});
    EXPECT_EQ(events.at(4).values, values);
}

TEST_F(Spo2Events, FallShorterThanTheMinimumDurationIsNoEvent) {
    // 95 ... 88 at 5..12: d = 8.
    const std::vector<int> a = Join({Repeat(96, 5), Ramp(95, 88), {95}});
    EXPECT_TRUE(desaturations(a).empty());
    // The minimum is a parameter: at 8 s the same fall counts.
    analysis.setSpo2Parameters(4, 8);
    ExpectEvents(desaturations(a), {{4, 8, 96, 88}});
}

TEST_F(Spo2Events, FallSmallerThanTheDropThresholdIsNoEvent) {
    // 95, 94 at 5, 6; 93 from 7 to 26: 3 points down over d = 22.
    const std::vector<int> a = Join({Repeat(96, 5), {95, 94}, Repeat(93, 20), {96}});
    EXPECT_TRUE(desaturations(a).empty());
    analysis.setSpo2Parameters(3, 10);
    ExpectEvents(desaturations(a), {{4, 22, 96, 93}});
}

TEST_F(Spo2Events, OneUnitRiseEarlyInTheFallIsTolerated) {
    // s = 1; the rise 94 -> 95 at 4 (4 - s = 3 < 10); the fall goes on to 86 at 13.
    const std::vector<int> a = Join({{96, 96, 95, 94, 95}, Ramp(94, 86), {96}});
    ExpectEvents(desaturations(a), {{1, 12, 96, 86}});
}

TEST_F(Spo2Events, OneUnitRiseIsToleratedUpToTheMinimumDuration) {
    // s = 1; 88 at 9, the rise to 89 at 10 (10 - s = 9): tolerated, the fall ends at 86 (13).
    const std::vector<int> inside = Join({{96}, Ramp(96, 88), {89}, Ramp(88, 86), {96}});
    ExpectEvents(desaturations(inside), {{1, 12, 96, 86}});
    // One second later (87 at 10, the rise at 11 - s = 10) it ends the fall at d = 9, and
    // the rest (88 at 11 down to 84 at 15) is too short.
    const std::vector<int> at = Join({{96}, Ramp(96, 87), {88}, Ramp(87, 84), {96}});
    EXPECT_TRUE(desaturations(at).empty());
}

TEST_F(Spo2Events, RiseAfterTheMinimumDurationEndsTheEvent) {
    // s = 1; 86 at 11; the rise to 87 at 12 comes 11 s in: the event ends at 11 (d = 10)
    // instead of running on to 84 at 15.
    const std::vector<int> a = Join({{96}, Ramp(96, 86), {87}, Ramp(86, 84), {96}});
    ExpectEvents(desaturations(a), {{1, 10, 96, 86}});
}

TEST_F(Spo2Events, RiseOfTwoEndsTheFall) {
    // 96 96 95 94 93 92 | 94 (+2 at 6) ends the first fall (d = 4); the new fall starts at
    // the 94 (6) and reaches 85 at 16.
    const std::vector<int> a = Join({{96}, Ramp(96, 92), Ramp(94, 86), {86, 85}, {96}});
    ExpectEvents(desaturations(a), {{6, 10, 94, 85}});
}

TEST_F(Spo2Events, RiseBackToTheStartLevelEndsTheFall) {
    // 96 96 95 | 96 at 3 equals the start level: the event starts again from that 96.
    const std::vector<int> a = Join({{96, 96, 95}, Ramp(96, 86), {96}});
    ExpectEvents(desaturations(a), {{3, 10, 96, 86}});
}

TEST_F(Spo2Events, SecondRiseNeedsAFallInBetween) {
    // s = 1 (98); +1 at 5, a fall at 6, +1 again at 7: both tolerated; down to 90 at 13.
    const std::vector<int> fallBetween =
        Join({{98}, Ramp(98, 95), {96, 95, 96}, Ramp(95, 90), {98}});
    ExpectEvents(desaturations(fallBetween), {{1, 12, 98, 90}});
    // +1 at 5, a flat step at 6, +1 at 7: the second rise ends the fall (d = 5). The 97 at 7
    // starts a new one that reaches 86 at 18.
    const std::vector<int> flatBetween =
        Join({{98}, Ramp(98, 95), {96, 96, 97}, Ramp(96, 86), {98}});
    ExpectEvents(desaturations(flatBetween), {{7, 11, 97, 86}});
}

TEST_F(Spo2Events, FallMustReachTheThresholdWithinTheMinimumDuration) {
    // s = 1; 95 x5 (2..6), 94 x5 (7..11), 93 92 91 (12..14). A[1] - A[11] = 2 < 4, although
    // the whole fall is 5 points over d = 13.
    const std::vector<int> a = Join({{96, 96}, Repeat(95, 5), Repeat(94, 5), Ramp(93, 91), {96}});
    EXPECT_TRUE(desaturations(a).empty());
    // Measured over 12 s, A[1] - A[13] = 4 reaches it.
    analysis.setSpo2Parameters(4, 12);
    ExpectEvents(desaturations(a), {{1, 13, 96, 91}});
}

TEST_F(Spo2Events, EpisodeMustEndAtItsLowestValue) {
    // s = 1; down to 91 at 6, a tolerated rise to 92 at 7, flat 92 to 13: 91 lies below the
    // end value.
    const std::vector<int> dipped = Join({{96}, Ramp(96, 91), Repeat(92, 7), {96}});
    EXPECT_TRUE(desaturations(dipped).empty());
    // The same without the dip to 91 is an event.
    const std::vector<int> level = Join({{96}, Ramp(96, 92), Repeat(92, 8), {96}});
    ExpectEvents(desaturations(level), {{1, 12, 96, 92}});
}

TEST_F(Spo2Events, GapEndsTheFallAtTheSampleBeforeIt) {
    // s = 2; 95 ... 85 at 3..13, no data at 14, then 84 83 96.
    const std::vector<int> a = Join({Repeat(96, 3), Ramp(95, 85), {0}, {84, 83, 96}});
    ExpectEvents(desaturations(a), {{2, 11, 96, 85}});
    EXPECT_EQ(analysis.desaturationEvents().at(2).values.back(), 85);
}

TEST_F(Spo2Events, LongestEventIs180Seconds) {
    // s = 1; 95 ... 91 at 2..6, 91 held, then 90 as the last and lowest sample.
    const auto fall = [](int duration) {
        return Join({{96, 96}, Ramp(95, 91), Repeat(91, duration - 6), {90}, {96}});
    };
    ExpectEvents(desaturations(fall(180)), {{1, 180, 96, 90}});
    EXPECT_TRUE(desaturations(fall(181)).empty());
}

TEST_F(Spo2Events, SeriesMayStartAndEndInsideAnEpisode) {
    // No data first, the fall runs to the last sample, which ends it.
    const std::vector<int> a = Join({{0, 0}, {97}, Ramp(96, 87)});
    ExpectEvents(desaturations(a), {{2, 10, 97, 87}});
    EXPECT_TRUE(desaturations({}).empty());
    EXPECT_TRUE(desaturations({0, 0, 0}).empty());
    EXPECT_TRUE(desaturations({95}).empty());
}

TEST_F(Spo2Events, PulseRisesAreNeverEvents) {
    // 60 x5, then up 20 bpm over 30 s (60 + 2k/3), then 80 held.
    std::vector<int> rise = Repeat(60, 5);
    for (int k = 1; k <= 30; ++k)
        rise.push_back(60 + 2 * k / 3);
    rise = Join({rise, Repeat(80, 10)});
    EXPECT_TRUE(pulseEvents(rise).empty());
    // A rise of 1 bpm a second back down in one step: still nothing.
    EXPECT_TRUE(pulseEvents(Join({Repeat(60, 5), Ramp(61, 80), {60}})).empty());
    // Its mirror image falls 1 bpm a second: an event from the last 80 (4) to 60 (24).
    ExpectEvents(pulseEvents(Join({Repeat(80, 5), Ramp(79, 60), {80}})), {{4, 20, 80, 60}});
}

TEST_F(Spo2Events, PulseEventsUseTheirOwnThresholds) {
    // 9 points down over d = 9: long enough for a pulse event (8 s), not for SpO2 (10 s).
    const std::vector<int> nine = Join({Repeat(96, 3), Ramp(95, 87), {96}});
    analysis.analyse(MakeSeries(nine, nine));
    EXPECT_TRUE(analysis.desaturationEvents().empty());
    ExpectEvents(analysis.pulseEvents(), {{2, 9, 96, 87}});

    // 5 points down over d = 13: a desaturation (4) but no pulse event (6).
    const std::vector<int> five = Join({Repeat(96, 3), Ramp(95, 91), Repeat(91, 8), {96}});
    analysis.analyse(MakeSeries(five, five));
    ExpectEvents(analysis.desaturationEvents(), {{2, 13, 96, 91}});
    EXPECT_TRUE(analysis.pulseEvents().empty());
    analysis.setPulseParameters(5, 8);
    analysis.analyse(MakeSeries(five, five));
    ExpectEvents(analysis.pulseEvents(), {{2, 13, 96, 91}});
}

TEST_F(Spo2Events, NegativeMinimumDurationFindsNothingAndReadsNothingOutside) {
    // Would put the early-drop sample before the episode; taken as 0, which no fall passes.
    analysis.setSpo2Parameters(4, -5);
    EXPECT_TRUE(desaturations(kExampleFall).empty());
}
