#include <gtest/gtest.h>

#include <QPainter>

#include "BarChartPainter.h"
#include "ReadingBuilders.h"
#include "RecordingPaintDevice.h"

namespace {

using Rect = RecordingPaintDevice::Rect;

const QRect kTarget(0, 0, 1500, 1000);

// Front faces of the bars whose left edge lies inside the plot.
std::vector<Rect> BarsIn(const RecordingPaintDevice& device, const QRect& plot) {
    std::vector<Rect> bars;
    for (const Rect& r : device.rects())
        if (r.brush == ChartColours::kBarFront && plot.contains(r.rect.topLeft().toPoint()))
            bars.push_back(r);
    return bars;
}

} // namespace

TEST(BarCharts, ValuesAboveTheLastBinGiveNoBarAndAnUpperEdgeFallsInItsBin) {
    // Systolic all above 210: no bar. Diastolic bins of 10 over (40, 180]: 50 in bin 0,
    // 60 (an upper edge) twice in bin 1, 180 in bin 13. Heart rate 70 in bin 2 (60, 70].
    auto test = MakeTest(8 * 60, 7 * 60, 22 * 60, {});
    const ReadingSet set =
        SetOf({Reading(211, 50), Reading(230, 60), Reading(250, 60), Reading(300, 180)});
    RecordingPaintDevice device(kTarget.size());
    QPainter painter(&device);
    const auto frames = LayoutBarCharts(kTarget, painter.fontMetrics());
    PaintBarCharts(painter, kTarget, set, *test);
    painter.end();

    EXPECT_TRUE(BarsIn(device, frames[0].plot).empty());
    const BarChartFrame& dia = frames[1];
    const auto bars = BarsIn(device, dia.plot);
    ASSERT_EQ(bars.size(), 3u);
    const int bins[] = {0, 1, 13};
    const double shares[] = {0.25, 0.5, 0.25};
    for (std::size_t i = 0; i < 3; ++i) {
        const QRectF r = bars[i].rect;
        EXPECT_EQ(r.left(), dia.xOfBin(bins[i]) + static_cast<int>(dia.binWidth * 0.2));
        EXPECT_EQ(r.height(), static_cast<int>(shares[i] * dia.plot.height()));
        EXPECT_EQ(r.top() + r.height(), dia.base());
    }
    ASSERT_EQ(BarsIn(device, frames[2].plot).size(), 1u);
    EXPECT_EQ(BarsIn(device, frames[2].plot)[0].rect.height(), frames[2].plot.height());

    // Percentages above the bars: none for systolic.
    const auto percentLabels = [&](int chart) {
        std::vector<QString> found;
        const QRect& plot = frames[chart].plot;
        for (const auto& t : device.texts())
            if (t.text.contains('.') && t.position.x() >= plot.left() &&
                t.position.x() <= plot.right() && t.position.y() < plot.bottom())
                found.push_back(t.text);
        return found;
    };
    EXPECT_TRUE(percentLabels(0).empty());
    EXPECT_EQ(percentLabels(1), (std::vector<QString>{"25.0%", "50.0%", "25.0%"}));
    EXPECT_EQ(percentLabels(2), (std::vector<QString>{"100.0%"}));
}

TEST(BarCharts, NarrowChartsLabelOnlyBoundsThatFitSideBySideAndStaggerNeighbouringPercentages) {
    // At 450 pixels a bin is a few pixels wide. Systolic 115 and 125 fill the neighbouring
    // bins 3 and 4.
    auto test = MakeTest(8 * 60, 7 * 60, 22 * 60, {});
    const QRect narrow(0, 0, 450, 400);
    RecordingPaintDevice device(narrow.size());
    QPainter painter(&device);
    PaintBarCharts(painter, narrow, SetOf({Reading(115, 80), Reading(125, 80)}), *test);
    painter.end();
    // The bounds along the base of the systolic chart start at 80 and never run together.
    const BarChartFrame frame = LayoutBarCharts(narrow, QFontMetrics(painter.font()))[0];
    std::vector<RecordingPaintDevice::Text> bounds;
    for (const auto& t : device.texts())
        if (t.position.y() > frame.base() && t.position.x() < frame.plot.right() + frame.depth)
            bounds.push_back(t);
    ASSERT_GE(bounds.size(), 2u);
    EXPECT_EQ(bounds.front().text, QStringLiteral("80"));
    for (std::size_t i = 1; i < bounds.size(); ++i) {
        const auto& left = bounds[i - 1];
        EXPECT_LE(left.position.x() + QFontMetricsF(left.font).horizontalAdvance(left.text),
                  bounds[i].position.x())
            << left.text.toStdString() << " runs into " << bounds[i].text.toStdString();
    }
    const auto halves = device.textsEqualTo(QStringLiteral("50.0%"));
    ASSERT_EQ(halves.size(), 2u);
    EXPECT_LT(halves[1].position.y(), halves[0].position.y());
}
