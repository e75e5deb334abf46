#include <gtest/gtest.h>

#include <QPainter>

#include "BarChartPainter.h"
#include "FitLinePainter.h"
#include "PieChartPainter.h"
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

TEST(PieSlices, CumulativeSharesInWholeDegrees) {
    const struct {
        ReadingSetStats::LoadFractions loads;
        std::array<std::pair<int, int>, 3> angles;
        std::array<const char*, 3> labels;
    } cases[] = {
        // 0.8 of 360 is 288 degrees; an empty slice starts and ends at the same angle.
        {{0.0, 0.8, 0.2}, {{{0, 0}, {0, 288}, {288, 360}}}, {"0.0%", "80.0%", "20.0%"}},
        // 1 of 7: 51.43 degrees truncated to 51, shown as 14.2 % (not 14.3 %).
        {{1.0 / 7, 6.0 / 7, 0.0}, {{{0, 51}, {51, 360}, {360, 360}}}, {"14.2%", "85.8%", "0.0%"}},
        // 1, 4 and 1 of 6: 1/6 + 4/6 + 1/6 is 0.99999999999999989 in doubles, which must still
        // reach 360 degrees rather than leave a one-degree gap.
        {{1.0 / 6, 4.0 / 6, 1.0 / 6},
         {{{0, 60}, {60, 300}, {300, 360}}},
         {"16.7%", "66.7%", "16.7%"}},
    };
    for (const auto& c : cases) {
        const auto slices = PieSlicesOf(c.loads);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(std::make_pair(slices[i].start, slices[i].end), c.angles[i]) << c.labels[i];
            EXPECT_EQ(slices[i].label(), c.labels[i]);
        }
    }
}

// Band 100-140: 99 below, 100 and 140 within, 141 above (the limits are the readings' own
// rule). Start 08:00, 30 minutes apart. Top discs are outlined in black, the layers below not.
TEST(PieCharts, EachPieShowsItsSlicesPercentagesAndTexts) {
    auto test = MakeTest(8 * 60, 7 * 60, 22 * 60, {});
    const ReadingSet set = SetOf({Reading(99, 80, 70, 0), Reading(100, 80, 70, 30),
                                  Reading(140, 80, 70, 60), Reading(141, 80, 70, 90)});
    RecordingPaintDevice device(QSize(1500, 1000));
    QPainter painter(&device);
    const PieChartLayout layout =
        PaintPieCharts(painter, QRect(0, 0, 1500, 1000), set, *test, ChartBands{});
    painter.end();
    const auto topSlicesAround = [&](QPoint centre) {
        int count = 0;
        for (const auto& p : device.paths())
            count += p.pen.style != Qt::NoPen && p.pen.colour == Qt::black &&
                     p.path.boundingRect().contains(centre);
        return count;
    };
    EXPECT_EQ(topSlicesAround(layout.pies[0].centre), 3);
    EXPECT_EQ(device.textsEqualTo(QStringLiteral("25.0%")).size(), 2u);
    EXPECT_EQ(device.textsEqualTo(QStringLiteral("50.0%")).size(), 1u);
    // Diastolic and heart rate lie wholly within their bands: one slice, no empty ones.
    EXPECT_EQ(topSlicesAround(layout.pies[1].centre), 1);
    EXPECT_EQ(device.textsEqualTo(QStringLiteral("100.0%")).size(), 2u);
    EXPECT_FALSE(device.hasText(QStringLiteral("0.0%")));
    // The title and five lines beside the systolic pie; the heart rate's own.
    for (const char* line :
         {"收缩压 (mmHg)", "最高值: 141 (mmHg) (09:30)", "最低值: 99 (mmHg) (08:00)",
          "平均值: 120 (mmHg)", "140 以上", "100 以下", "最高值: 70 (bpm) (08:00)", "100 以上"})
        EXPECT_EQ(device.textsEqualTo(QString::fromUtf8(line)).size(), 1u) << line;
}

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
