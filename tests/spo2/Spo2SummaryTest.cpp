#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "SeriesBuilder.h"
#include "Spo2Analysis.h"
#include "Spo2Summary.h"

using namespace SeriesBuilder;

namespace {

using Texts = std::vector<std::string>;

void Put(std::vector<int>& a, int at, const std::vector<int>& values) {
    std::copy(values.begin(), values.end(), a.begin() + at);
}

} // namespace

// L = 1800 s. SpO2 96 with no data at 1000..1599 (Z = 600) and three events:
//   s 99:  95 ... 86, 86, 85          d 12, deficit below 96: 55 + 10 + 11 = 76
//   s 399: 95 ... 80, then 80 x6       d 22, deficit 136 + 96 = 232
//   s 699: 95 ... 91, 91 x24, 90       d 30, deficit 15 + 120 + 6 = 141
// Pulse 70 with no data at 1000..1299 (Z = 300) and one event, s 199: 69 ... 60, d 10.
TEST(Spo2Summary, FiguresAndLevelTableOfASeriesWithEventsAndGaps) {
    std::vector<int> spo2 = Repeat(96, 1800);
    Put(spo2, 100, Join({Ramp(95, 86), {86, 85}}));
    Put(spo2, 400, Join({Ramp(95, 80), Repeat(80, 6)}));
    Put(spo2, 700, Join({Ramp(95, 91), Repeat(91, 24), {90}}));
    Put(spo2, 1000, Repeat(0, 600));
    std::vector<int> pulse = Repeat(70, 1800);
    Put(pulse, 200, Ramp(69, 60));
    Put(pulse, 1000, Repeat(0, 300));
    Spo2Analysis analysis;
    analysis.analyse(MakeSeries(spo2, pulse));
    Spo2SummaryTexts t = Spo2Summary::Figures(analysis);
    // 3 events lasting 64 s: 1.1 min, 21.3 s each; 3 * 3600 / 1800 = 6.0 an hour, 9.0 over the
    // 1200 s with data; 600 / 1800 = 33.3 % without; mean (1200 * 96 - 449) / 1200 = 95.626.
    EXPECT_EQ(Texts({t.spo2.totalEvents, t.spo2.totalEventMinutes, t.spo2.averageEventSeconds,
                     t.spo2.indexPerHour, t.spo2.artefactPercent, t.spo2.adjustedIndex,
                     t.spo2.average, t.spo2.minimum}),
              Texts({"3", "1.1", "21.3", "6.0", "33.3", "9.0", "95.6", "80"}));
    // Below 88: 87 ... 85 of the first event (4 s) and 87 ... 80 of the second (22 - 8): 18 s.
    // Lowest values (85 + 80 + 90) / 3, and (85 + 80) / 2 of those below 88.
    EXPECT_EQ(
        Texts({t.minutesBelowCritical, t.eventsBelowCritical, t.lowAverage, t.lowAverageBelow88}),
        Texts({"0.3", "2", "85.0", "82.5"}));
    // The pulse column uses the pulse gaps: 1 event of 10 s, 3600 / 1800 and 3600 / 1500 an
    // hour, 300 / 1800 = 16.7 % without data, mean (1500 * 70 - 55) / 1500 = 69.96.
    EXPECT_EQ(Texts({t.pulse.totalEvents, t.pulse.totalEventMinutes, t.pulse.averageEventSeconds,
                     t.pulse.indexPerHour, t.pulse.artefactPercent, t.pulse.adjustedIndex,
                     t.pulse.average, t.pulse.minimum}),
              Texts({"1", "0.2", "10.0", "2.0", "16.7", "2.4", "70.0", "60"}));
    // The critical level moves only its own rows.
    analysis.setCriticalLevel(85);
    t = Spo2Summary::Figures(analysis);
    // 84 ... 80 of the second event: 22 - 11 = 11 s.
    EXPECT_EQ(Texts({t.minutesBelowCritical, t.eventsBelowCritical, t.lowAverageBelow88}),
              Texts({"0.2", "1", "82.5"}));
    // The seconds below 88 exactly, and below 97, where no start sample counts (d only); the
    // event that ends at 90 is not below 90.
    EXPECT_EQ(std::vector({analysis.eventSecondsBelow(88), analysis.eventSecondsBelow(97)}),
              std::vector({18, 64}));
    EXPECT_EQ(analysis.averageEventLow(90), 82.5);
    const auto rows = Spo2Summary::LevelTable(analysis);
    // Seconds with data: 1200. Below 95: 11 + 21 + 29 = 61; below 90: 6 + 16 = 22;
    // below 85: 11. Events by their lowest value: 85, 80 and 90.
    const std::array<std::string, 4> expected[] = {{" 99 - 95 ", "0", " 100", "100.0"},
                                                   {" 94 - 90 ", "1", " 95", "5.1"},
                                                   {" 89 - 85 ", "1", " 90", "1.8"},
                                                   {" 84 - 80 ", "1", " 85", "0.9"},
                                                   {" 79 - 75 ", "0", " 80", "0.0"}};
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ((std::array{rows[i].band, rows[i].events, rows[i].below, rows[i].time}),
                  expected[i]);
}

// No events: averages of nothing; no length or no second with data: no rates.
TEST(Spo2Summary, NothingDividesByZero) {
    Spo2Analysis a;
    a.analyse(Spo2Series{});
    Spo2SummaryTexts t = Spo2Summary::Figures(a);
    for (const Spo2ColumnTexts* c : {&t.spo2, &t.pulse})
        EXPECT_EQ(
            Texts({c->totalEvents, c->totalEventMinutes, c->averageEventSeconds, c->indexPerHour,
                   c->artefactPercent, c->adjustedIndex, c->average, c->minimum}),
            Texts({"0", "0.0", "0.0", "----", "----", "----", "----", "0"}));
    EXPECT_EQ(
        Texts({t.minutesBelowCritical, t.eventsBelowCritical, t.lowAverage, t.lowAverageBelow88}),
        Texts({"0.0", "0", "----", "----"}));
    for (const Spo2LevelRow& row : Spo2Summary::LevelTable(a))
        EXPECT_EQ(row.events + row.time, "0");
    a.analyse(MakeSeries(Repeat(0, 5), Repeat(0, 5)));
    t = Spo2Summary::Figures(a);
    EXPECT_EQ(Texts({t.spo2.indexPerHour, t.spo2.artefactPercent, t.spo2.adjustedIndex,
                     t.pulse.adjustedIndex, t.spo2.average, t.spo2.minimum}),
              Texts({"0.0", "100.0", "----", "----", "----", "0"}));
    EXPECT_EQ(Spo2Summary::LevelTable(a)[0].time, "");
}
