// The episode rules, each on a short hand-made series. Indices in the comments are seconds
// from the series start; s is the episode's start, e its last sample, d = e - s.
#include <gtest/gtest.h>

#include <array>

#include "SeriesBuilder.h"
#include "Spo2Analysis.h"

using namespace SeriesBuilder;

namespace {

using Found = std::vector<std::array<int, 4>>; // start, duration, start and end value

// The events found, each with its d + 1 values.
Found Events(const std::map<int, Spo2Event>& events) {
    Found found;
    for (const auto& [start, e] : events) {
        EXPECT_EQ(e.values.size(), std::size_t(e.duration + 1));
        found.push_back({e.startIndex, e.duration, e.startValue, e.endValue});
    }
    return found;
}

// 96 x5 (0..4), 95 ... 86 (5..14), 86, 85 (15, 16), 95 (17).
const std::vector<int> kExampleFall = Join({Repeat(96, 5), Ramp(95, 86), {86, 85}, {95}});

} // namespace

TEST(Spo2Events, DesaturationRules) {
    const auto fall8 = Join({Repeat(96, 5), Ramp(95, 88), {95}}); // d = 8 (4 ... 12)
    // 95, 94 at 5, 6; 93 from 7 to 26: 3 points down over d = 22.
    const auto drop3 = Join({Repeat(96, 5), {95, 94}, Repeat(93, 20), {96}});
    // s = 1; 95 x5 (2..6), 94 x5 (7..11), 93 92 91 (12..14). A[1] - A[11] = 2 < 4 although
    // the whole fall is 5 points; over 12 s, A[1] - A[13] = 4 reaches it.
    const auto late = Join({{96, 96}, Repeat(95, 5), Repeat(94, 5), Ramp(93, 91), {96}});
    const struct {
        std::vector<int> spo2;
        Found events;
        int drop = 0, minimum = 0; // 0: the analysis' own
    } cases[] = {
        // From the last plateau sample to the lowest; too short, too small, unless the
        // parameters say otherwise; the drop must come within the minimum duration.
        {kExampleFall, {{4, 12, 96, 85}}},
        {fall8, {}},
        {fall8, {{4, 8, 96, 88}}, 4, 8},
        {drop3, {}},
        {drop3, {{4, 22, 96, 93}}, 3, 10},
        {late, {}},
        {late, {{1, 13, 96, 91}}, 4, 12},
        // A one-unit rise is tolerated up to the minimum duration: s = 1; the rise 94 -> 95 at
        // 4 (4 - s = 3 < 10), the fall goes on to 86 at 13; 88 at 9, the rise to 89 at 10
        // (10 - s = 9), on to 86 at 13.
        {Join({{96, 96, 95, 94, 95}, Ramp(94, 86), {96}}), {{1, 12, 96, 86}}},
        {Join({{96}, Ramp(96, 88), {89}, Ramp(88, 86), {96}}), {{1, 12, 96, 86}}},
        // One second later (rise at 11 - s = 10) it ends the fall at d = 9; the rest (88 at 11
        // down to 84 at 15) is too short.
        {Join({{96}, Ramp(96, 87), {88}, Ramp(87, 84), {96}}), {}},
        // s = 1; 86 at 11; the rise to 87 at 12 comes 11 s in: the end is 11, not 84 at 15.
        {Join({{96}, Ramp(96, 86), {87}, Ramp(86, 84), {96}}), {{1, 10, 96, 86}}},
        // 96 96 95 94 93 92 | 94 (+2 at 6) ends the first fall (d = 4); the next starts at the
        // 94 (6) and reaches 85 at 16.
        {Join({{96}, Ramp(96, 92), Ramp(94, 86), {86, 85}, {96}}), {{6, 10, 94, 85}}},
        // 96 96 95 | 96 at 3 equals the start level: the event starts again from that 96.
        {Join({{96, 96, 95}, Ramp(96, 86), {96}}), {{3, 10, 96, 86}}},
        // s = 1 (98); +1 at 5, a fall at 6, +1 again at 7: both tolerated; down to 90 at 13.
        {Join({{98}, Ramp(98, 95), {96, 95, 96}, Ramp(95, 90), {98}}), {{1, 12, 98, 90}}},
        // +1 at 5, a flat step at 6, +1 at 7 ends the fall (d = 5); the 97 at 7 starts a new
        // one down to 86 at 18.
        {Join({{98}, Ramp(98, 95), {96, 96, 97}, Ramp(96, 86), {98}}), {{7, 11, 97, 86}}},
        // An episode ends at its lowest value: s = 1; down to 91 at 6, a tolerated rise to 92
        // at 7, flat 92 to 13: none; without the dip, one.
        {Join({{96}, Ramp(96, 91), Repeat(92, 7), {96}}), {}},
        {Join({{96}, Ramp(96, 92), Repeat(92, 8), {96}}), {{1, 12, 96, 92}}},
        // A gap ends the fall at the sample before it: s = 2; 95 ... 85 at 3..13, no data at
        // 14, then 84 83 96.
        {Join({Repeat(96, 3), Ramp(95, 85), {0}, {84, 83, 96}}), {{2, 11, 96, 85}}},
        // At most 180 s: s = 1; 95 ... 91 at 2..6, 91 held, then 90 as the last and lowest.
        {Join({{96, 96}, Ramp(95, 91), Repeat(91, 174), {90, 96}}), {{1, 180, 96, 90}}},
        {Join({{96, 96}, Ramp(95, 91), Repeat(91, 175), {90, 96}}), {}},
        // A series may start with a gap and end inside an episode; nothing in the smallest.
        {Join({{0, 0}, {97}, Ramp(96, 87)}), {{2, 10, 97, 87}}},
        {{}, {}},
        {{0, 0, 0}, {}},
        {{95}, {}},
        // Would put the early-drop sample before the episode; taken as 0, which no fall passes.
        {kExampleFall, {}, 4, -5},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const auto& c = cases[i];
        Spo2Analysis analysis;
        if (c.drop != 0) analysis.setSpo2Parameters(c.drop, c.minimum);
        analysis.analyse(MakeSeries(c.spo2));
        EXPECT_EQ(Events(analysis.desaturationEvents()), c.events);
    }
    Spo2Analysis analysis;
    analysis.analyse(MakeSeries(kExampleFall));
    EXPECT_EQ(analysis.desaturationEvents().at(4).values, Join({{96}, Ramp(95, 86), {86, 85}}));
}

TEST(Spo2Events, PulseFallsAreEventsByTheirOwnThresholdsAndRisesNever) {
    Spo2Analysis analysis;
    const auto pulseEvents = [&](const std::vector<int>& pulse) -> const auto& {
        analysis.analyse(MakeSeries(Repeat(96, static_cast<int>(pulse.size())), pulse));
        return analysis.pulseEvents();
    };
    // A rise of 1 bpm a second, back down in one step: nothing. Its mirror image falls 1 bpm
    // a second: an event from the last 80 (4) to 60 (24).
    EXPECT_TRUE(pulseEvents(Join({Repeat(60, 5), Ramp(61, 80), {60}})).empty());
    EXPECT_EQ(Events(pulseEvents(Join({Repeat(80, 5), Ramp(79, 60), {80}}))),
              Found({{4, 20, 80, 60}}));

    // 9 points down over d = 9: long enough for a pulse event (8 s), not for SpO2 (10 s).
    const std::vector<int> nine = Join({Repeat(96, 3), Ramp(95, 87), {96}});
    analysis.analyse(MakeSeries(nine, nine));
    EXPECT_TRUE(analysis.desaturationEvents().empty());
    EXPECT_EQ(Events(analysis.pulseEvents()), Found({{2, 9, 96, 87}}));
    // 5 points down over d = 13: a desaturation (4) but no pulse event (6) until it is 5.
    const std::vector<int> five = Join({Repeat(96, 3), Ramp(95, 91), Repeat(91, 8), {96}});
    analysis.analyse(MakeSeries(five, five));
    EXPECT_EQ(Events(analysis.desaturationEvents()), Found({{2, 13, 96, 91}}));
    EXPECT_TRUE(analysis.pulseEvents().empty());
    analysis.setPulseParameters(5, 8);
    analysis.analyse(MakeSeries(five, five));
    EXPECT_EQ(Events(analysis.pulseEvents()), Found({{2, 13, 96, 91}}));
}
