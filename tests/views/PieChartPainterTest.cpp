#include <gtest/gtest.h>

#include <QPainter>

#include "PieChartPainter.h"
#include "ReadingBuilders.h"
#include "RecordingPaintDevice.h"

TEST(PieSlices, CumulativeSharesInWholeDegrees) {
    const struct {
        ReadingSetStats::LoadFractions loads;
        std::array<std::pair<int, int>, 3> angles;
        std::array<const char*, 3> labels;
    } cases[] = {
        {{0.25, 0.25, 0.5}, {{{0, 90}, {90, 180}, {180, 360}}}, {"25.0%", "25.0%", "50.0%"}},
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
