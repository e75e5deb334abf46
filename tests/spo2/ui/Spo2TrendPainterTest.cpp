#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "RecordingPaintDevice.h"
#include "SeriesBuilder.h"
#include "Spo2Analysis.h"
#include "Spo2TrendPainter.h"
#include "Spo2TrendState.h"

using namespace SeriesBuilder;

// Ten minutes from the second hour, with a grid line every minute, and a fall from the last
// 96 (second 3699) to 85 at second 3711; then an empty window.
TEST(Spo2TrendPainter, GridTimesCountFromTheStartAndAnEventIsDrawnDownToItsLowestValue) {
    const QRect area(0, 0, 1000, 600);
    Spo2Series series =
        MakeSeries(Join({Repeat(96, 3700), Ramp(95, 86), {86, 85}, Repeat(95, 1688)}));
    series.year = 2026, series.month = 3, series.day = 20, series.hour = 22, series.minute = 30;
    Spo2Analysis analysis;
    analysis.analyse(series);
    Spo2TrendState trend;
    trend.offset = 3600;
    Spo2TrendGeometry geometry;
    const auto paint = [&](RecordingPaintDevice& device) {
        QPainter painter(&device);
        Spo2TrendCurves curves;
        geometry = LayoutSpo2Trend(painter, area);
        PaintSpo2Trend(painter, area, trend, analysis, series, curves);
    };
    // 600 s fill the plot.
    const auto xOf = [&](int second) {
        return geometry.plotLeft + (second - 3600) * geometry.plotWidth / 600;
    };
    RecordingPaintDevice device(area.size());
    paint(device);
    EXPECT_TRUE(device.hasText("2026-3-20 23:30:00"));
    for (int minute = 0; minute <= 10; ++minute) {
        const QString label = QStringLiteral("1:%1:00").arg(minute, 2, 10, QLatin1Char('0'));
        const auto found = device.textsEqualTo(label);
        ASSERT_EQ(found.size(), 1u) << label.toStdString();
        // Centred on its grid line.
        const int width = QFontMetrics(found[0].font).horizontalAdvance(label);
        EXPECT_EQ(int(found[0].position.x()), xOf(3600 + 60 * minute) - width / 2);
    }
    EXPECT_FALSE(device.hasText("59:00"));
    const QRect& pane = geometry.spo2Pane;
    const auto marks = device.polygonsOfColour(Spo2TrendStyle::Screen().eventCurve);
    ASSERT_EQ(marks.size(), 1u);
    // From the point before the event (second 3698) to its end.
    const QPolygonF& mark = marks[0].points;
    EXPECT_EQ(int(mark.first().x()), xOf(3698));
    EXPECT_EQ(int(mark.last().x()), xOf(3711));
    EXPECT_EQ(int(mark.last().y()), TrendY(85, 50, 100, pane.top(), pane.bottom()));
    // The critical level, 88 %, across the SpO2 pane.
    const auto critical = device.linesOfColour(Spo2TrendStyle::Screen().critical);
    ASSERT_EQ(critical.size(), 1u);
    EXPECT_EQ(int(critical[0].line.y1()), TrendY(88, 50, 100, pane.top(), pane.bottom()));

    trend.chooseManualWindow(0); // the panes, but no curve or time
    RecordingPaintDevice empty(area.size());
    paint(empty);
    EXPECT_TRUE(empty.hasText("SPO2") && empty.hasText("PULSE"));
    EXPECT_TRUE(empty.polygons().empty());
    EXPECT_FALSE(empty.hasText("2026-3-20 22:30:00"));
    EXPECT_FALSE(empty.hasText("0"));
}
