#include <gtest/gtest.h>

#include <QPainter>

#include "BarChartPainter.h"
#include "ReadingBuilders.h"
#include "RecordingPaintDevice.h"

TEST(BarCharts, ValuesAboveTheLastBinGiveNoBarAndAnUpperEdgeFallsInItsBin) {
    // Systolic all above 210: no bar. Diastolic bins of 10 over (40, 180]: 50 in bin 0,
    // 60 (an upper edge) twice in bin 1, 180 in bin 13. Heart rate 70 in bin 2 (60, 70].
    auto test = MakeTest(8 * 60, 7 * 60, 22 * 60, {});
    const QRect target(0, 0, 1500, 1000);
    RecordingPaintDevice device(target.size());
    QPainter painter(&device);
    const auto frames = LayoutBarCharts(target, painter.fontMetrics());
    PaintBarCharts(painter, target,
                   SetOf({Reading(211, 50), Reading(230, 60), Reading(250, 60), Reading(300, 180)}),
                   *test);
    painter.end();
    // Front faces of the bars whose left edge lies inside each plot.
    std::vector<QRectF> bars[3];
    for (const auto& r : device.rects())
        for (std::size_t c = 0; c < 3; ++c)
            if (r.brush == ChartColours::kBarFront &&
                frames[c].plot.contains(r.rect.topLeft().toPoint()))
                bars[c].push_back(r.rect);
    EXPECT_TRUE(bars[0].empty());
    const BarChartFrame& dia = frames[1];
    ASSERT_EQ(bars[1].size(), 3u);
    const int bins[] = {0, 1, 13};
    const double shares[] = {0.25, 0.5, 0.25};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(bars[1][i].left(), dia.xOfBin(bins[i]) + static_cast<int>(dia.binWidth * 0.2));
        EXPECT_EQ(bars[1][i].height(), static_cast<int>(shares[i] * dia.plot.height()));
        EXPECT_EQ(bars[1][i].bottom(), dia.base());
    }
    ASSERT_EQ(bars[2].size(), 1u);
    EXPECT_EQ(bars[2][0].height(), frames[2].plot.height());
    std::vector<QString> percentages; // left to right: none for systolic
    for (const auto& t : device.texts())
        if (t.text.contains('.')) percentages.push_back(t.text);
    EXPECT_EQ(percentages, (std::vector<QString>{"25.0%", "50.0%", "25.0%", "100.0%"}));
}
