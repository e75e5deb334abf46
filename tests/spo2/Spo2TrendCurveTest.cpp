#include <gtest/gtest.h>

#include "Spo2TrendCurve.h"

TEST(Spo2TrendCurve, APointTakesTheMeanOfItsSamplesWithData) {
    const struct {
        std::vector<int> values;
        int window, width;
        std::vector<int> firsts, points;
    } cases[] = {
        // 10 s on 5 pixels: 5 points of 2 samples. [0 0] has no data and is the first point;
        // [90 93] -> 183 / 2 = 91; [95 0] -> 95; [0 0] repeats 95; [80 83] -> 81.
        {{0, 0, 90, 93, 95, 0, 0, 0, 80, 83}, 10, 5, {0, 2, 4, 6, 8}, {0, 91, 95, 95, 81}},
        // 10 samples, 3 points: from 0, 10/3 = 3 and 20/3 = 6; the last takes 6..9: 284 / 4.
        {{90, 90, 90, 80, 80, 80, 70, 70, 70, 74}, 10, 3, {0, 3, 6}, {90, 80, 71}},
        // 4 samples in a 600 s window: 600 points a page, capped at the 4 samples there are;
        // a single sample without data repeats the point before.
        {{96, 0, 94, 95}, 600, 1400, {0, 1, 2, 3}, {96, 96, 94, 95}},
        // An empty window, series or plot has no points.
        {{96, 95}, 0, 1400, {}, {}},
        {{}, 600, 1400, {}, {}},
        {{96, 95}, 600, 0, {}, {}},
    };
    for (const auto& c : cases) {
        std::vector<int> firsts, points;
        for (const TrendPoint& p : BuildTrendPoints(c.values, c.window, c.width)) {
            firsts.push_back(p.first);
            points.push_back(p.value);
        }
        EXPECT_EQ(firsts, c.firsts) << c.window << " " << c.width;
        EXPECT_EQ(points, c.points) << c.window << " " << c.width;
    }
}

TEST(Spo2TrendCurve, ValuesMapOntoThePaneAndStayInsideIt) {
    // 50..100 over y 100..0: 75 lies half way; 50 and below on the bottom, above 100 on top.
    EXPECT_EQ(TrendY(75, 50, 100, 0, 100), 50);
    EXPECT_EQ(TrendY(51, 50, 100, 0, 100), 98);
    EXPECT_EQ(TrendY(0, 50, 100, 0, 100), 100);
    EXPECT_EQ(TrendY(120, 50, 100, 0, 100), 0);
}
