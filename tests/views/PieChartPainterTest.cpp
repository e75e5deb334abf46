#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <numbers>

#include "PieChartPainter.h"
#include "ReadingBuilders.h"
#include "RecordingPaintDevice.h"

namespace {

const QRect kTarget(0, 0, 1500, 1000);

void ExpectSlices(const std::array<PieSlice, 3>& slices,
                  std::initializer_list<std::pair<int, int>> angles,
                  std::initializer_list<const char*> labels) {
    auto angle = angles.begin();
    auto label = labels.begin();
    for (const PieSlice& s : slices) {
        EXPECT_EQ(std::make_pair(s.start, s.end), *angle++);
        EXPECT_EQ(s.label(), QString::fromUtf8(*label++));
    }
}

// Top discs are outlined in black, the layers below are not.
int TopSlicesAround(const RecordingPaintDevice& device, QPoint centre) {
    int count = 0;
    for (const auto& p : device.paths())
        if (p.pen.style != Qt::NoPen && p.pen.colour == Qt::black &&
            p.path.boundingRect().contains(centre))
            ++count;
    return count;
}

} // namespace

TEST(PieSlices, CumulativeSharesInWholeDegrees) {
    ExpectSlices(PieSlicesOf({0.25, 0.25, 0.5}), {{0, 90}, {90, 180}, {180, 360}},
                 {"25.0%", "25.0%", "50.0%"});
    // 0.8 of 360 is 288 degrees; an empty slice starts and ends at the same angle.
    ExpectSlices(PieSlicesOf({0.0, 0.8, 0.2}), {{0, 0}, {0, 288}, {288, 360}},
                 {"0.0%", "80.0%", "20.0%"});
    // 1 of 7: 51.43 degrees truncated to 51, shown as 14.2 % (not 14.3 %).
    ExpectSlices(PieSlicesOf({1.0 / 7, 6.0 / 7, 0.0}), {{0, 51}, {51, 360}, {360, 360}},
                 {"14.2%", "85.8%", "0.0%"});
    // 1, 4 and 1 of 6: 1/6 + 4/6 + 1/6 is 0.99999999999999989 in doubles, which must still
    // reach 360 degrees rather than leave a one-degree gap.
    ExpectSlices(PieSlicesOf({1.0 / 6, 4.0 / 6, 1.0 / 6}), {{0, 60}, {60, 300}, {300, 360}},
                 {"16.7%", "66.7%", "16.7%"});
}

TEST(PieCharts, BandsSplitTheReadingsAndTheTextsNameThem) {
    // Band 100-140: 99 below, 100 and 140 within, 141 above. Start 08:00, 30 minutes apart.
    auto test = MakeTest(8 * 60, 7 * 60, 22 * 60, {});
    const ReadingSet set = SetOf({Reading(99, 80, 70, 0), Reading(100, 80, 70, 30),
                                  Reading(140, 80, 70, 60), Reading(141, 80, 70, 90)});
    RecordingPaintDevice device(kTarget.size());
    QPainter painter(&device);
    const QFontMetrics fm = painter.fontMetrics();
    const PieChartLayout layout = PaintPieCharts(painter, kTarget, set, *test, ChartBands{});
    painter.end();

    // Above 0-90 (middle 45), within 90-270 (middle 180), below 270-360 (middle 315), each
    // label centred at half the radii on its middle.
    const PieChartFrame& sys = layout.pies[0];
    auto labelCentre = [&](double degrees) {
        const double a = degrees * std::numbers::pi / 180;
        return QPoint(sys.centre.x() + static_cast<int>(sys.radiusX / 2.0 * std::cos(a)),
                      sys.centre.y() - static_cast<int>(sys.radiusY / 2.0 * std::sin(a)));
    };
    const std::pair<const char*, double> labels[] = {{"25.0%", 45}, {"50.0%", 180}, {"25.0%", 315}};
    for (const auto& [text, degrees] : labels) {
        const QPoint c = labelCentre(degrees);
        const QPointF expected(c.x() - fm.horizontalAdvance(text) / 2,
                               c.y() - fm.height() / 2 + fm.ascent());
        bool found = false;
        for (const auto& t : device.textsEqualTo(text))
            found = found || t.position == expected;
        EXPECT_TRUE(found) << text << " at " << degrees;
    }
    EXPECT_EQ(TopSlicesAround(device, sys.centre), 3);
    // Diastolic and heart rate lie wholly within their bands: one slice, no empty ones.
    EXPECT_EQ(TopSlicesAround(device, layout.pies[1].centre), 1);
    EXPECT_EQ(device.textsEqualTo(QStringLiteral("100.0%")).size(), 2u);
    EXPECT_FALSE(device.hasText(QStringLiteral("0.0%")));

    // The title and five lines beside the systolic pie, one under the other.
    qreal above = -1e9;
    for (const char* line :
         {"收缩压 (mmHg)", "最高值: 141 (mmHg) (09:30)", "最低值: 99 (mmHg) (08:00)",
          "平均值: 120 (mmHg)", "140 以上", "100 以下"}) {
        const auto found = device.textsEqualTo(QString::fromUtf8(line));
        ASSERT_EQ(found.size(), 1u) << line;
        EXPECT_GE(found[0].position.y(), above + fm.height()) << line;
        above = found[0].position.y();
    }
    EXPECT_TRUE(device.hasText(QStringLiteral("最高值: 70 (bpm) (08:00)")));
    EXPECT_TRUE(device.hasText(QStringLiteral("60 以下")));
}
