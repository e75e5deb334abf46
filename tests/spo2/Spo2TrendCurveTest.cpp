// The points of the SpO2 trend curves.
#include <gtest/gtest.h>

#include "Spo2TrendCurve.h"

namespace {

std::vector<int> Firsts(const std::vector<TrendPoint>& points) {
    std::vector<int> out;
    for (const TrendPoint& p : points)
        out.push_back(p.first);
    return out;
}

std::vector<int> Values(const std::vector<TrendPoint>& points) {
    std::vector<int> out;
    for (const TrendPoint& p : points)
        out.push_back(p.value);
    return out;
}

} // namespace

TEST(Spo2TrendCurve, APointTakesTheMeanOfItsSamplesWithData) {
    // 10 s on 5 pixels: 5 points of 2 samples. [0 0] has no data and is the first point;
    // [90 93] -> 183 / 2 = 91; [95 0] -> 95; [0 0] repeats 95; [80 83] -> 81.
    const std::vector<int> values = {0, 0, 90, 93, 95, 0, 0, 0, 80, 83};
    const auto points = BuildTrendPoints(values, 10, 5);
    EXPECT_EQ(Firsts(points), (std::vector<int>{0, 2, 4, 6, 8}));
    EXPECT_EQ(Values(points), (std::vector<int>{0, 91, 95, 95, 81}));
}

TEST(Spo2TrendCurve, UnevenPointsEndWithTheRestOfTheSeries) {
    // 10 samples, 3 points: from 0, 10/3 = 3 and 20/3 = 6; the last takes 6..9.
    const std::vector<int> values = {90, 90, 90, 80, 80, 80, 70, 70, 70, 74};
    const auto points = BuildTrendPoints(values, 10, 3);
    EXPECT_EQ(Firsts(points), (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(Values(points), (std::vector<int>{90, 80, 71})); // 284 / 4
}

TEST(Spo2TrendCurve, AWindowNarrowerThanThePlotGivesOnePointPerSample) {
    // 4 samples in a 600 s window: 600 points a page, capped at the 4 samples there are.
    const auto points = BuildTrendPoints({96, 0, 94, 95}, 600, 1400);
    EXPECT_EQ(Firsts(points), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Values(points), (std::vector<int>{96, 96, 94, 95}));
}

TEST(Spo2TrendCurve, AnEmptyWindowOrSeriesHasNoPoints) {
    EXPECT_TRUE(BuildTrendPoints({96, 95}, 0, 1400).empty());
    EXPECT_TRUE(BuildTrendPoints({}, 600, 1400).empty());
    EXPECT_TRUE(BuildTrendPoints({96, 95}, 600, 0).empty());
}

TEST(Spo2TrendCurve, ValuesMapOntoThePaneAndStayInsideIt) {
    // 50..100 over y 100..0: 75 lies half way; 50 and below on the bottom, above 100 on top.
    EXPECT_EQ(TrendY(75, 50, 100, 0, 100), 50);
    EXPECT_EQ(TrendY(51, 50, 100, 0, 100), 98);
    EXPECT_EQ(TrendY(0, 50, 100, 0, 100), 100);
    EXPECT_EQ(TrendY(120, 50, 100, 0, 100), 0);
}
