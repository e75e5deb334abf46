#include <gtest/gtest.h>

#include <array>

#include "Spo2Series.h"
#include "Spo2TrendState.h"

TEST(Spo2TrendWindow, PagesAndStepsStopAtTheEndsOfTheSeries) {
    Spo2TrendState t;
    t.offset = 1200;
    t.chooseFixedWindow(Spo2TrendState::OneHour);
    EXPECT_EQ(t.offset, 0); // a new window starts at the beginning
    EXPECT_EQ(t.gridStep, 300);
    const int length = 90 * 60;
    t.pageRight(length);
    EXPECT_EQ(t.offset, 3600);
    t.pageRight(length); // 7200 lies beyond the series' 5400 seconds
    EXPECT_EQ(t.offset, 3600);
    t.offset = 1800;
    t.pageLeft();
    EXPECT_EQ(t.offset, 0);

    t.chooseFixedWindow(Spo2TrendState::TenMinutes); // 600 s with a 60 s grid
    t.offset = 360;
    t.stepRight(1000); // 420 < 1000 - 600 + 60
    EXPECT_EQ(t.offset, 420);
    t.stepRight(1000); // 480 is not below 460
    EXPECT_EQ(t.offset, 420);
    t.offset = 30;
    t.stepLeft();
    EXPECT_EQ(t.offset, 0);

    t.offset = 5500;
    t.applyOffset(5400); // beyond the series: one window back
    EXPECT_EQ(t.offset, 4900);
    t.offset = 700;
    t.applyOffset(100); // 700 - 600 is still past the end: the start
    EXPECT_EQ(t.offset, 0);

    t.chooseManualWindow(0); // an empty window never moves
    t.pageRight(5400);
    t.stepRight(5400);
    EXPECT_EQ(t.offset, 0);
}

TEST(Spo2TrendWindow, AManualWindowTakesItsGridStepAndSelector) {
    // 45 min; 1 min (grid 3600 at 60 s and below); the limits of the 60 s and 300 s grids;
    // 10 min and 1 h press their own buttons.
    const std::array<int, 3> cases[] = {{2700, 300, 3},  {60, 3600, 0}, {61, 60, 3},
                                        {600, 60, 1},    {601, 300, 3}, {3600, 300, 2},
                                        {3601, 3600, 3}, {0, 3600, 3}};
    for (const auto& [window, gridStep, selector] : cases) {
        Spo2TrendState t;
        t.offset = 500;
        t.chooseManualWindow(window);
        EXPECT_EQ((std::array{t.window, t.gridStep, t.lengthSelector, t.offset}),
                  (std::array{window, gridStep, selector, 0}));
    }
}

TEST(Spo2TrendText, ElapsedTimeGrowsFromSecondsToHours) {
    const std::pair<int, const char*> cases[] = {
        {0, "0"},        {59, "59"},        {60, "1:00"},      {61, "1:01"},
        {3599, "59:59"}, {3600, "1:00:00"}, {3661, "1:01:01"}, {90000, "25:00:00"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(Spo2TrendText::Elapsed(seconds), text);
}

TEST(Spo2TrendText, CalendarTimeRunsOverMidnightMonthsAndLeapDays) {
    Spo2Series s;
    s.year = 2024, s.month = 2, s.day = 28, s.hour = 23, s.minute = 59, s.second = 59;
    EXPECT_EQ(Spo2TrendText::CalendarTime(s, 1), "2024-2-29 00:00:00");
    s.year = 2025, s.month = 12, s.day = 31, s.hour = 23, s.minute = 59, s.second = 30;
    EXPECT_EQ(Spo2TrendText::CalendarTime(s, 30), "2026-1-1 00:00:00");
}
