// The SpO2 trend as drawn: panes, time grid, calendar time, curves and events.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "RecordingPaintDevice.h"
#include "SeriesBuilder.h"
#include "Spo2Analysis.h"
#include "Spo2TrendPainter.h"
#include "Spo2TrendState.h"

using namespace SeriesBuilder;

namespace {

const QRect kArea(0, 0, 1000, 600);

class TrendPainterTest : public ::testing::Test {
  protected:
    RecordingPaintDevice device{kArea.size()};
    Spo2Series series;
    Spo2Analysis analysis;
    Spo2TrendState trend;
    Spo2TrendCurves curves;
    Spo2TrendGeometry geometry;

    void setSeries(const std::vector<int>& spo2) {
        series = MakeSeries(spo2);
        series.year = 2026, series.month = 3, series.day = 20, series.hour = 22;
        series.minute = 30;
        analysis.analyse(series);
    }
    void paint() {
        QPainter painter(&device);
        geometry = LayoutSpo2Trend(painter, kArea);
        PaintSpo2Trend(painter, kArea, trend, analysis, series, curves);
    }
    int xOf(int second) const {
        return geometry.plotLeft + (second - trend.offset) * geometry.plotWidth / trend.window;
    }
};

} // namespace

TEST_F(TrendPainterTest, AnEmptyWindowDrawsThePanesButNoCurveOrTime) {
    setSeries(Repeat(96, 5400));
    trend.chooseManualWindow(0);
    paint();
    EXPECT_TRUE(device.hasText("SPO2"));
    EXPECT_TRUE(device.hasText("PULSE"));
    EXPECT_TRUE(device.polygons().empty());
    EXPECT_FALSE(device.hasText("2026-3-20 22:30:00"));
    EXPECT_FALSE(device.hasText("0"));
}

TEST_F(TrendPainterTest, GridTimesCountFromTheStartAndAnEventIsDrawnDownToItsLowestValue) {
    // Ten minutes from the second hour, a grid line every minute; a fall from the last 96
    // (second 3699) to 85 at second 3711.
    setSeries(Join({Repeat(96, 3700), Ramp(95, 86), {86, 85}, Repeat(95, 1688)}));
    ASSERT_EQ(analysis.eventCount(), 1);
    trend.offset = 3600;
    paint();
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
    // From the point before the event (second 3698) to its end; 600 s fill the plot.
    const QPolygonF& mark = marks[0].points;
    EXPECT_EQ(int(mark.first().x()), xOf(3698));
    EXPECT_EQ(int(mark.last().x()), xOf(3711));
    EXPECT_EQ(int(mark.last().y()), TrendY(85, 50, 100, pane.top(), pane.bottom()));
    // The critical level, 88 %, across the SpO2 pane.
    const auto critical = device.linesOfColour(Spo2TrendStyle::Screen().critical);
    ASSERT_EQ(critical.size(), 1u);
    EXPECT_EQ(int(critical[0].line.y1()), TrendY(88, 50, 100, pane.top(), pane.bottom()));
}
