#include <gtest/gtest.h>

#include "ReadingBuilders.h"
#include "Regression.h"

namespace {

// Systolic x, diastolic y; the first `awake` points go to the awake set, the rest asleep.
ReadingSets Points(const std::vector<std::pair<int, int>>& points, std::size_t awake) {
    ReadingSets sets;
    for (const auto& [x, y] : points) {
        sets.included.push_back(Reading(x, y));
        (sets.awake.size() < awake ? sets.awake : sets.asleep).push_back(Reading(x, y));
    }
    return sets;
}

} // namespace

TEST(Regression, TextsOfTheCorrelationTheTwoLinesAndTheCentre) {
    struct Case {
        std::vector<std::pair<int, int>> points;
        std::size_t awake;
        const char *correlation, *yOnX, *xOnY, *centre;
    } cases[] = {
        // Σx = 361, Σy = 226, Σxy = 27720, Σx² = 44241, Σy² = 17396: n·Σxy − Σx·Σy = 1574,
        // n·Σx² − (Σx)² = 2402, n·Σy² − (Σy)² = 1112. b1 = 1574 / 2402 = 0.6553, a1 = (226 −
        // b1·361) / 3 = −3.5196; b2 = 1574 / 1112 = 1.4155, a2 = (361 − b2·226) / 3 = 13.7014;
        // r = 1574 / sqrt(2402 · 1112) = 0.963088. Both lines pass through the mean point
        // (120.33, 75.33), so the centre is S(120,75).
        {{{100, 60}, {121, 80}, {140, 86}},
         2,
         "相关系数: r = 0.963088  r*r = 0.927538",
         "  y = f(x): y = 0.66x-3.52",
         "  x = f(y): x = 1.42y+13.70",
         "分布中心  S(120,75)"},
        // y = 0.5 x exactly, so x = 2 y: the lines coincide (d = 1 - 0.5 * 2 = 0), no centre.
        {{{100, 50}, {120, 60}, {140, 70}},
         3,
         "相关系数: r = 1.000000  r*r = 1.000000",
         "  y = f(x): y = 0.50x",
         "  x = f(y): x = 2.00y",
         "分布中心:"},
        // A constant diastolic: b1 = 0, a1 = 80; n·Σy² − (Σy)² = 0 leaves x = f(y) undefined.
        {{{100, 80}, {120, 80}, {140, 80}},
         2,
         "相关系数:",
         "  y = f(x): y = 80.00",
         "  x = f(y): ",
         "分布中心:"},
        {{{120, 70}, {120, 80}, {120, 90}},
         0,
         "相关系数:",
         "  y = f(x): ",
         "  x = f(y): x = 120.00",
         "分布中心:"},
        // Failed readings, diastolic 0: y = 0 x + 0 shows the bare prefix.
        {{{100, 0}, {120, 0}}, 1, "相关系数:", "  y = f(x): ", "  x = f(y): ", "分布中心:"},
        {{}, 0, "", "  y = f(x): ", "  x = f(y): ", "分布中心:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const Regression reg = ComputeRegression(Points(c.points, c.awake));
        EXPECT_EQ(CorrelationText(reg), c.correlation);
        EXPECT_EQ(YOnXText(reg), c.yOnX);
        EXPECT_EQ(XOnYText(reg), c.xOnY);
        EXPECT_EQ(CentreText(reg), c.centre);
    }
    // The line y = 0 of failed readings prints no equation but is still drawn.
    EXPECT_TRUE(ComputeRegression(Points({{100, 0}, {120, 0}}, 1)).yOnXDefined);
}
