#include <gtest/gtest.h>

#include <QPainter>

#include "BpTrendPainter.h"
#include "ReadingBuilders.h"
#include "RecordingPaintDevice.h"
#include "TrendLayout.h"

namespace {

// A loaded record straight in memory: start 20:00 on 2026-03-01, awake 7:00, asleep 22:00,
// thresholds 140/90 awake and 120/80 asleep.
PatientRecord Record(const std::vector<BpReading>& readings, int start = 20 * 60) {
    PatientRecord rec;
    rec.isLoaded = 1;
    rec.test = *MakeTest(start, 7 * 60, 22 * 60, readings);
    rec.test.yearBegin = 2026;
    rec.test.monthBegin = 3;
    rec.test.dayBegin = 1;
    return rec;
}

const QSize kScreen(1600, 1000);

TrendLayout ScreenLayout(const PatientRecord& rec) {
    return LayoutTrend(rec, kScreen, ScreenTrendFrame(kScreen));
}

} // namespace

TEST(TrendValueRange, ThresholdsAlwaysLieInsideAndOnlyAnalysedReadingsWidenIt) {
    const struct {
        std::vector<BpReading> readings;
        int awakeSys, vMax, vMin;
    } cases[] = {
        {{Reading(130, 80), Reading(125, 85, 75, 60)}, 140, 145, 70}, // 140 + 5; lowest 70
        {{Reading(140, 80)}, 140, 145, 70},                           // at the threshold: + 5
        {{Reading(90, 60, 55, 0)}, 100, 140, 55},                     // 100 + 5 is below 120: 140
        {{Reading(150, 95, 100, 0)}, 140, 155, 80},                   // 95 > 90: 90 - 10
        {{Reading(130, 80), Reading(210, 40, 30, 60, 0)}, 140, 145, 70}, // excluded: nothing
    };
    for (const auto& c : cases) {
        PatientRecord rec = Record(c.readings);
        rec.thresholds.awakeSys = c.awakeSys;
        const TrendValueRange r = ValueRangeOf(rec.test, rec.thresholds);
        EXPECT_EQ(r.vMax, c.vMax) << c.readings[0].systolic;
        EXPECT_EQ(r.vMin, c.vMin) << c.readings[0].systolic;
    }
}

// Range 145 / 70: L0 = 60, p = 0.57 * 1000 / 75 = 7.6; screen baseline (1000 - 40) * 21 / 25 = 806.
TEST(TrendMapping, ValueToYOnScreen) {
    const TrendLayout l = ScreenLayout(Record({Reading(130, 80)}));
    EXPECT_EQ(l.x0(), 80);
    EXPECT_EQ(l.y0(), 806);
    EXPECT_EQ(l.lowestLabel, 60);
    EXPECT_EQ(l.yOf(101), 494); // 806 - 41 * 7.6 = 494.4
    EXPECT_EQ(l.yOf(60), 806);
}

// Start 20:00, awake 7:00, asleep 22:00; seven readings one step (200 pixels) apart. The
// periods change at 23:00 (reading 2), 7:00 (3), 23:00 the next day (5) and 7:00 (6);
// 22:00 itself still belongs to the awake period.
TEST(TrendThresholds, StepAtTheFirstReadingOfEachPeriodOverTwoDays) {
    const TrendLayout l =
        ScreenLayout(Record({Reading(130, 80), Reading(130, 80, 70, 120), Reading(130, 80, 70, 180),
                             Reading(130, 80, 70, 660), Reading(130, 80, 70, 1560),
                             Reading(130, 80, 70, 1620), Reading(130, 80, 70, 2100)}));
    const int awake = l.yOf(140), asleep = l.yOf(120);
    const QPolygon expected = {QPoint(80, awake),    QPoint(480, awake),   QPoint(480, asleep),
                               QPoint(680, asleep),  QPoint(680, awake),   QPoint(1080, awake),
                               QPoint(1080, asleep), QPoint(1280, asleep), QPoint(1280, awake),
                               QPoint(1480, awake)};
    EXPECT_EQ(l.systolicThreshold, expected);
    ASSERT_EQ(l.diastolicThreshold.size(), expected.size());
    EXPECT_EQ(l.diastolicThreshold[2], QPoint(480, l.yOf(80)));
    EXPECT_EQ(l.diastolicThreshold.last(), QPoint(1480, l.yOf(90)));
    // From 23:00, asleep, to 9:00, awake: 80 + 1400 / 2 = 780.
    const TrendLayout night =
        ScreenLayout(Record({Reading(130, 80), Reading(130, 80, 70, 600)}, 23 * 60));
    EXPECT_EQ(night.systolicThreshold,
              QPolygon({QPoint(80, night.yOf(120)), QPoint(780, night.yOf(120)),
                        QPoint(780, night.yOf(140)), QPoint(1480, night.yOf(140))}));
}

// 7 * 1600 / 8 = 1400 over 3 readings: step 466.67 from x0 = 80, whatever their times.
TEST(TrendPointer, ReadingsSpacedByOrderAndTheOneHoveredOrClicked) {
    const TrendLayout l = ScreenLayout(
        Record({Reading(130, 80), Reading(130, 80, 70, 5), Reading(130, 80, 70, 500)}));
    EXPECT_EQ(l.readingX, (std::vector<int>{80, 546, 1013}));
    const struct {
        QPoint at;
        int hovered, clicked;
    } cases[] = {
        {{300, 400}, 0, -1},   // hovers reading 0, too far right of it for a click
        {{546, 400}, 1, -1},   // on reading 1, not right of it
        {{547, 400}, 1, 1},    // just right of it
        {{575, 400}, 1, 1},    // up to 30 right of a reading
        {{576, 400}, 1, -1},   // beyond that
        {{1063, 400}, 2, -1},  // hover reaches 50 right of the last
        {{1064, 400}, -1, -1}, // not beyond
        {{547, 79}, -1, 1},    // above the hover region, inside the click area
        {{547, 807}, 1, -1},   // below the baseline, inside the hover region
        {{300, 841}, -1, -1},  // below both
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HoveredReadingAt(l, c.at), c.hovered) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(ClickedReadingAt(l, c.at), c.clicked) << c.at.x() << "," << c.at.y();
    }
}

class TrendPainting : public ::testing::Test {
  protected:
    RecordingPaintDevice device{kScreen};
    PatientRecord record;

    TrendLayout paint(const PatientRecord& rec) {
        record = rec;
        device.clear();
        QPainter p(&device);
        return PaintBpTrend(p, QRect(QPoint(0, 0), kScreen), record, ScreenTrendFrame(kScreen));
    }
    void paintBox(int index) {
        device.clear();
        QPainter p(&device);
        PaintReadingBox(p, ScreenLayout(record), record, index);
    }
    bool drawn(const char* text) const { return device.hasText(QString::fromUtf8(text)); }
};

// Range 145 / 70 gives (145 - 70) / 10 + 4 = 11 labels 70 ... 170; at y = 806 - (v - 60) * 7.6
// the labels from 160 up lie above the frame top y = 80 (160 at 46) and are left out. The
// first and last reading (20:00 + 300 minutes) give their dates and times under the axis.
TEST_F(TrendPainting, ValueLabelsOnlyInsideTheFrameAndTheDatesUnderTheAxis) {
    const TrendLayout l = paint(Record({Reading(130, 80), Reading(130, 80, 70, 300)}));
    EXPECT_TRUE(drawn("150"));
    EXPECT_FALSE(drawn("160"));
    EXPECT_EQ(l.labels.size(), 9u);
    EXPECT_EQ(l.halfTicks.size(), 9u); // 75 ... 155; 155 lies at 84
    for (const char* text : {"2026-3-1", "20:00", "2026-3-2", "1:00"})
        EXPECT_TRUE(drawn(text)) << text;
}

// Reading 1 (131/81, HR 71, commented), one excluded, one failed (stored as 0/0 with the pulse
// the recorder sent, 72 here), one more. The reading box shows the number, values and comment
// or why there are none. An empty test draws the frame and its labels only.
TEST_F(TrendPainting, ExcludedAndFailedReadingsHaveNoBarNoHeartRatePointAndNoPartInTheRange) {
    const TrendLayout l = paint(Record({Reading(131, 81, 71, 0), Reading(150, 100, 90, 5, 0),
                                        Reading(0, 0, 72, 10), Reading(132, 82, 72, 15)}));
    EXPECT_EQ(l.range.vMin, 71); // heart rate 71; not 0: the failed reading stays out
    ASSERT_EQ(l.bars.size(), 2u);
    EXPECT_EQ(l.bars[1].index, 3);
    const auto bars = device.linesOfColour(TrendColours::kBars);
    ASSERT_EQ(bars.size(), 6u); // two readings, a bar and two caps each
    EXPECT_EQ(bars[0].line.toLine(), QLine(80, l.yOf(131), 80, l.yOf(81)));
    const auto heart = device.polygonsOfColour(TrendColours::kHeartRate);
    ASSERT_EQ(heart.size(), 1u);
    EXPECT_EQ(heart[0].points.size(), 2);
    EXPECT_EQ(l.readingCount(), 4); // they keep their places on the axis
    for (BpReading& r : record.test.readings)
        r.comment = "ok";
    paintBox(0);
    for (const char* text : {"1", "131/81", "71", "ok"})
        EXPECT_TRUE(drawn(text)) << text;
    EXPECT_FALSE(drawn("2"));
    paintBox(1);
    EXPECT_TRUE(drawn("被排除!"));
    EXPECT_FALSE(drawn("ok"));
    paintBox(2);
    EXPECT_TRUE(drawn("---/---"));
    EXPECT_FALSE(drawn("0/0"));
    EXPECT_FALSE(drawn("72"));
    paint(Record({}));
    EXPECT_TRUE(device.linesOfColour(TrendColours::kBars).empty());
    EXPECT_TRUE(device.polygonsOfColour(TrendColours::kThresholds).empty());
    EXPECT_TRUE(drawn("mmHg/BPM"));
}
