// The printed figures of the SpO2 tables, worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "SeriesBuilder.h"
#include "Spo2Analysis.h"
#include "Spo2Summary.h"

using namespace SeriesBuilder;

namespace {

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
    EXPECT_EQ(t.spo2.totalEvents, "3");
    EXPECT_EQ(t.spo2.totalEventMinutes, "1.1");    // 64 s / 60
    EXPECT_EQ(t.spo2.averageEventSeconds, "21.3"); // 64 / 3
    EXPECT_EQ(t.spo2.indexPerHour, "6.0");         // 3 * 3600 / 1800
    EXPECT_EQ(t.spo2.artefactPercent, "33.3");     // 600 / 1800 * 100
    EXPECT_EQ(t.spo2.adjustedIndex, "9.0");        // 3 * 3600 / 1200
    EXPECT_EQ(t.spo2.average, "95.6");             // (1200 * 96 - 449) / 1200 = 95.626
    EXPECT_EQ(t.spo2.minimum, "80");
    // Below 88: 87 ... 85 of the first event (4 s) and 87 ... 80 of the second (22 - 8).
    EXPECT_EQ(t.minutesBelowCritical, "0.3"); // 18 s
    EXPECT_EQ(t.eventsBelowCritical, "2");
    EXPECT_EQ(t.lowAverage, "85.0");        // (85 + 80 + 90) / 3
    EXPECT_EQ(t.lowAverageBelow88, "82.5"); // (85 + 80) / 2
    // The pulse column uses the pulse gaps.
    EXPECT_EQ(t.pulse.totalEvents, "1");
    EXPECT_EQ(t.pulse.totalEventMinutes, "0.2"); // 10 / 60
    EXPECT_EQ(t.pulse.averageEventSeconds, "10.0");
    EXPECT_EQ(t.pulse.indexPerHour, "2.0");     // 3600 / 1800
    EXPECT_EQ(t.pulse.artefactPercent, "16.7"); // 300 / 1800 * 100
    EXPECT_EQ(t.pulse.adjustedIndex, "2.4");    // 3600 / 1500
    EXPECT_EQ(t.pulse.average, "70.0");         // (1500 * 70 - 55) / 1500 = 69.96
    EXPECT_EQ(t.pulse.minimum, "60");
    // The critical level moves only its own rows.
    analysis.setCriticalLevel(85);
    t = Spo2Summary::Figures(analysis);
    EXPECT_EQ(t.minutesBelowCritical, "0.2"); // 84 ... 80 of the second event: 22 - 11 = 11 s
    EXPECT_EQ(t.eventsBelowCritical, "1");
    EXPECT_EQ(t.lowAverageBelow88, "82.5");
    // Counted from the second sample of an event, even where its start lies below the level.
    EXPECT_EQ(analysis.eventSecondsBelow(97), 64);
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
    EXPECT_EQ((std::array{rows[13].band, rows[13].below, rows[13].time}),
              (std::array<std::string, 3>{" 34 - 30 ", " 35", "0.0"}));
}

TEST(Spo2Summary, NothingDividesByZero) {
    Spo2Analysis a;
    a.analyse(Spo2Series{});
    Spo2SummaryTexts t = Spo2Summary::Figures(a);
    for (const Spo2ColumnTexts* c : {&t.spo2, &t.pulse}) {
        EXPECT_EQ(c->totalEvents, "0");
        EXPECT_EQ(c->totalEventMinutes, "0.0");
        EXPECT_EQ(c->averageEventSeconds, "0.0");
        EXPECT_EQ(c->indexPerHour, "----");
        EXPECT_EQ(c->artefactPercent, "----");
        EXPECT_EQ(c->adjustedIndex, "----");
        EXPECT_EQ(c->average, "----");
        EXPECT_EQ(c->minimum, "0");
    }
    EXPECT_EQ(t.minutesBelowCritical, "0.0");
    EXPECT_EQ(t.eventsBelowCritical, "0");
    EXPECT_EQ(t.lowAverage, "----");
    EXPECT_EQ(t.lowAverageBelow88, "----");
    for (const Spo2LevelRow& row : Spo2Summary::LevelTable(a)) {
        EXPECT_EQ(row.events, "0");
        EXPECT_EQ(row.time, "");
    }
    // Gaps only: a length, but no second with data to divide by.
    a.analyse(MakeSeries(Repeat(0, 5), 0));
    t = Spo2Summary::Figures(a);
    EXPECT_EQ(t.spo2.indexPerHour, "0.0");
    EXPECT_EQ(t.spo2.artefactPercent, "100.0");
    EXPECT_EQ(t.spo2.adjustedIndex, "----");
    EXPECT_EQ(t.pulse.adjustedIndex, "----");
    EXPECT_EQ(t.spo2.average, "----");
    EXPECT_EQ(t.spo2.minimum, "0");
    EXPECT_EQ(Spo2Summary::LevelTable(a)[0].time, "");
}
