#include <gtest/gtest.h>

#include <QPainter>

#include "FitLinePainter.h"
#include "ReadingBuilders.h"
#include "RecordingPaintDevice.h"

namespace {

using Segment = std::optional<QLineF>;

const QRect kTarget(0, 20, 1580, 960);

// Draws the readings from 08:00 (awake from 07:00, asleep from 22:00).
struct FitLineDrawing {
    RecordingPaintDevice device{QSize(1600, 1000)};
    FitLineLayout layout;

    explicit FitLineDrawing(std::vector<BpReading> readings) {
        auto test = MakeTest(8 * 60, 7 * 60, 22 * 60, std::move(readings));
        ReadingSets sets;
        ClassifyReadings(*test, sets);
        QPainter painter(&device);
        layout = LayoutFitLine(kTarget, painter.fontMetrics());
        PaintFitLine(painter, kTarget, sets);
    }
    // The axes lie on the plot's edges and the sample lines below it.
    std::vector<RecordingPaintDevice::Line> linesInside(const QColor& colour) const {
        std::vector<RecordingPaintDevice::Line> found;
        const QRectF inner = QRectF(layout.plot).adjusted(1, 1, -1, -1);
        for (const auto& l : device.linesOfColour(colour))
            if (inner.contains(l.line.center())) found.push_back(l);
        return found;
    }
};

} // namespace

TEST(FitLine, RegressionLinesAreClippedToTheValueBox) {
    // Systolic 0-250 across, diastolic 0-200 up.
    const struct {
        Segment segment;
        Segment expected;
    } cases[] = {
        {YOnXSegment(0.5, 10), QLineF(0, 10, 250, 135)},
        {YOnXSegment(1, -20), QLineF(20, 0, 220, 200)},    // enters at y = 0, leaves at y = 200
        {YOnXSegment(-1, 100), QLineF(0, 100, 100, 0)},    // falling
        {YOnXSegment(0, -5), std::nullopt},                // flat below the box
        {YOnXSegment(0, 0), QLineF(0, 0, 250, 0)},         // an intercept of 0 is not negative
        {YOnXSegment(2, 300), std::nullopt},               // above the box throughout
        {XOnYSegment(0, 120), QLineF(120, 0, 120, 200)},   // vertical at its intercept
        {XOnYSegment(2, 0), QLineF(0, 0, 250, 125)},       // x = 2y leaves at x = 250
        {XOnYSegment(-1, 300), QLineF(250, 50, 100, 200)}, // x = 300 - y
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.segment, c.expected);
}

// Systolic 120 throughout: y = f(x) is undefined. x = f(y) has slope
// (n Sxy - Sx Sy) / (n Syy - Sy^2) = (3 * 120 * 240 - 360 * 240) / ... = 0 and intercept
// Sx / n = 120: a vertical line at 120 mmHg. The points (awake, awake, asleep at 00:00, then
// the two legend circles) lie on the scale, where (125, 100) is the middle of the plot.
TEST(FitLine, EqualSystolicValuesDrawOnlyTheVerticalLineXOnYAndPointsLieOnTheScale) {
    const FitLineDrawing d(
        {Reading(120, 70, 70, 0), Reading(120, 80, 70, 60), Reading(120, 90, 70, 16 * 60)});
    const FitLineLayout& l = d.layout;
    // Red: the systolic axis and the sample line below the plot, nothing else.
    EXPECT_EQ(d.device.linesOfColour(ChartColours::kSystolic).size(), 2u);
    EXPECT_TRUE(d.linesInside(ChartColours::kSystolic).empty());
    const auto blue = d.linesInside(ChartColours::kDiastolic);
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_EQ(blue[0].line, QLineF(l.pointOf(120, 0), l.pointOf(120, 200)));
    EXPECT_TRUE(d.device.hasText(QStringLiteral("  x = f(y): x = 120.00")));

    EXPECT_EQ(l.pointOf(125, 100), QPoint(l.plot.left() + l.plot.width() / 2,
                                          l.plot.top() + l.plot.height() - l.plot.height() / 2));
    std::vector<QPoint> centres;
    for (const auto& p : d.device.paths())
        if (qAbs(p.path.boundingRect().width() - 2 * l.pointRadius) < 0.01)
            centres.push_back(p.path.boundingRect().center().toPoint());
    ASSERT_EQ(centres.size(), 5u);
    EXPECT_EQ(centres[0], l.pointOf(120, 70));
    EXPECT_EQ(centres[2], l.pointOf(120, 90));
}
