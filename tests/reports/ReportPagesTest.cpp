#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <map>
#include <tuple>

#include "ClinicalTextList.h"
#include "PageDispatcher.h"
#include "PageKinds.h"
#include "ReadingBuilders.h"
#include "RecordingPaintDevice.h"
#include "ReportContext.h"

namespace {

// A page of 1800 x 4200 pixels: the rows of the text pages are 60 pixels (H / 70), those of
// the data pages 70 (H / 60).
constexpr int W = 1800;
constexpr int H = 4200;

using Text = RecordingPaintDevice::Text;

// Texts stand with their top-left corner at the given point: the baseline less the ascent.
int Top(const Text& t) {
    return qRound(t.position.y()) - QFontMetrics(t.font).ascent();
}

using Cell = std::tuple<int, int, const char*>; // left, top, text

class ReportPages : public ::testing::Test {
  protected:
    void load(std::unique_ptr<TestRecord> test) {
        record->test = *test;
        record->isLoaded = 1;
        ClassifyReadings(record->test, sets);
        ComputeStatistics(*record, sets, stats);
    }
    ReportContext context() const {
        ReportContext c{.record = *record, .sets = sets, .stats = stats};
        c.style = ReportStyle::ForResolution(96, 96);
        c.dataReadings = DataPageReadings(record->test);
        return c;
    }
    void draw(int kind, const ReportContext& c) {
        device.clear();
        QPainter painter(&device);
        DrawReportPage(painter, QRect(0, 0, W, H), c, kind);
    }
    // The text whose top-left corner is (x, top).
    QString textAt(int x, int top) const {
        for (const Text& t : device.texts())
            if (qRound(t.position.x()) == x && Top(t) == top) return t.text;
        return QStringLiteral("<nothing>");
    }
    void expectCells(std::initializer_list<Cell> cells) const {
        for (const auto& [x, top, text] : cells)
            EXPECT_EQ(textAt(x, top), QString::fromUtf8(text)) << text;
    }

    std::unique_ptr<PatientRecord> record = std::make_unique<PatientRecord>();
    ReadingSets sets;
    BpStatistics stats;
    RecordingPaintDevice device{QSize(W, H)};
};

} // namespace

TEST_F(ReportPages, PatientDataRowsFollowTheAddressAndMedicationLines) {
    load(MakeTest(420, 420, 1320, {Reading(120, 80)}));
    ReportContext c = context();
    c.texts.address = QStringList{"a1", "a2", "a3"};
    c.texts.medications = QStringList{"m1", "m2"};
    c.texts.phone = QStringLiteral("555");
    draw(PageKinds::Demographics, c);
    // A = 3, B = A + 2; row n at 60 n; left column 11W/180 = 110, value column 13W/40 = 585.
    expectCells({Cell{585, 15 * 60, "a2"}, Cell{110, 18 * 60, "电话"}, Cell{585, 18 * 60, "555"},
                 Cell{110, 23 * 60, "体重"}, Cell{771, 25 * 60, "目前用药情况"},
                 Cell{110, 27 * 60, "m1"}, Cell{822, 30 * 60, "医师诊断"},
                 Cell{110, 33 * 60, "主治医师"}});

    // At 600 dpi pens are 600 / 96 = 6.25 -> 6 wide, fonts 16 * 600 / (96 * 1.25) = 80 px.
    const ReportStyle style = ReportStyle::ForResolution(600, 96);
    EXPECT_EQ(style.black.width(), 6);
    EXPECT_EQ(style.regular.pixelSize(), 80);
    // There the large font (96 px) is taller than a row (60 px): a heading's underline, the
    // horizontal line from its x nearest to its baseline, must still stay below the text.
    for (const bool cjkFirst : {false, true}) {
        c.style = ReportStyle::ForResolution(600, 96, cjkFirst);
        draw(PageKinds::Demographics, c);
        for (const char* heading : {"患者统计", "目前用药情况", "医师诊断"}) {
            const QPointF at = device.textsEqualTo(QString::fromUtf8(heading)).at(0).position;
            double nearest = 1e9;
            for (const auto& l : device.lines())
                if (l.line.y1() == l.line.y2() && l.line.x1() == at.x() &&
                    std::abs(l.line.y1() - at.y()) < std::abs(nearest - at.y()))
                    nearest = l.line.y1();
            EXPECT_GT(nearest, at.y()) << heading << cjkFirst;
        }
    }
}

TEST_F(ReportPages, DataRowsWithFailedValuesAsDashesAndTheirClockTime) {
    // From 07:00: a failed reading at 07:05, an excluded one, 120/120 at 07:35, one at 12:30,
    // one flagged neither 0 nor 1.
    load(MakeTest(420, 420, 1320,
                  {Reading(0, 0, 0, 5), Reading(130, 85, 70, 20, 0), Reading(120, 120, 70, 35),
                   Reading(135, 85, 72, 330), Reading(125, 82, 70, 345, 2)}));
    draw(PageKinds::FirstDataPage, context());
    // Data columns 11W/180, 3W/18, 5W/18, 7W/18, 9W/18, 11W/18: 110, 300, 500, 700, 900,
    // 1100; rows 14, 15, 16 of H/60.
    const int columns[] = {110, 300, 500, 700, 900, 1100};
    const std::pair<int, std::vector<const char*>> rows[] = {
        {980, {"1", "(07:05)", "---/---", "---", "---", "---"}},
        {1050, {"3", "(07:35)", "120/120", "70", "120", "---"}},
    };
    for (const auto& [top, texts] : rows)
        for (std::size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(textAt(columns[i], top), QString::fromUtf8(texts[i])) << texts[i];
    EXPECT_EQ(textAt(110, 1190), QStringLiteral("<nothing>"));
}

TEST_F(ReportPages, SummaryPagesOfAnEmptyPeriodAndLoadsOverThePeriodsOwnCount) {
    // Awake 07:00 to 22:00; from 23:00 both readings are asleep, the last 1445 minutes on.
    load(MakeTest(1380, 420, 1320, {Reading(150, 95, 70, 0), Reading(110, 70, 60, 1445)}));
    draw(PageKinds::Statistics, context());
    // Load lines at rows 25, 36 and 47; the empty awake block (row 28) has no extremes.
    // Columns 40W/150 = 480, 57W/150 = 684 and 108W/150 = 1296.
    expectCells(
        {Cell{110, 1500, "全部血压上传: 50.0% 收缩压 >  140/120 mmHg   50.0% 舒张压 >  90/80 mmHg"},
         Cell{110, 2160, "非睡眠血压上传: 0.0% 收缩压 > 140 mmHg 0.0% 舒张压 > 90 mmHg"},
         Cell{110, 2820, "睡眠血压上传: 50.0% 收缩压 > 120 mmHg 50.0% 舒张压 > 80 mmHg"},
         Cell{110, 1680, "非睡眠统计测量次数: 0"}, Cell{480, 1860, "---"}, Cell{1296, 1860, "0.0"},
         Cell{480, 2520, "150"}, Cell{684, 2520, "(23:00)"}});

    // 07:00 awake and 23:00 asleep: 171 is over 120 in 1 of 1 asleep readings (row 21 of H/70,
    // at 45W/80 = 1012).
    load(MakeTest(420, 420, 1320, {Reading(118, 75), Reading(171, 99, 91, 960)}));
    draw(PageKinds::BpSummary, context());
    EXPECT_EQ(textAt(1012, 1260), QStringLiteral("超过基准值的：100.0%"));
}

// Two readings 130/80/70: range 145/70, L0 = 60. On paper p = 0.57 * 4200 / 75 = 31.92 at half
// scale, y0 = 4200 * 17 / 25 = 2856, x0 = 90: 130 at 2856 - 70 * 15.96 = 1738.8, 80 at 2536.8.
TEST_F(ReportPages, TrendPagesPrintAtHalfTheScreensVerticalScale) {
    load(MakeTest(420, 420, 1320, {Reading(130, 80), Reading(130, 80, 70, 60)}));
    for (int kind : {PageKinds::ColorizedGraph, PageKinds::BarGraph}) {
        draw(kind, context());
        EXPECT_TRUE(std::any_of(device.lines().begin(), device.lines().end(), [](auto& l) {
            return l.line.toLine() == QLine(90, 1738, 90, 2536);
        }));
        // Only the bar form dots its heart rate.
        EXPECT_EQ(device.paths().size(), kind == PageKinds::BarGraph ? 2u : 0u);
    }
}

TEST_F(ReportPages, ThePiePageTakesThePeriodAndBandsChosenOnScreen) {
    load(MakeTest(420, 420, 1320, {Reading(118, 75), Reading(171, 99, 91, 960)}));
    ReportContext c = context();
    c.chartPeriod = ChartPeriod::Awake;
    c.chartBands.systolic = {150, 110};
    draw(PageKinds::BpPie, c);
    for (const char* text : {"饼图 (白天)", "150 以上", "110 以下"})
        EXPECT_TRUE(device.hasText(QString::fromUtf8(text))) << text;
}

// Awake systolic 58, 138 and 143 fall into the bins 55, 135 and 140, diastolic 57, 85 and 95
// into 55, 80 and 90: 333 per mille each, 333 * 14 * 4200 / 60000 = 326.34 high. Systolic
// panels start at 60 (x = 200 + (v - 60) * 1800 / 540), diastolic ones at 40 (x = 1000 + ...).
TEST_F(ReportPages, HistogramPanels) {
    load(MakeTest(420, 420, 1320,
                  {Reading(58, 57, 70, 0), Reading(138, 85, 70, 30), Reading(143, 95, 70, 60)}));
    draw(PageKinds::FrequencyHistogram, context());
    const auto barAt = [&](int left) -> const RecordingPaintDevice::Rect* {
        for (const auto& r : device.rects())
            if (qRound(r.rect.left()) == left) return &r;
        return nullptr;
    };
    EXPECT_EQ(barAt(184), nullptr); // systolic 55: left of the panel's start
    // Systolic 135 at 450 and 140 (the awake threshold) at 466 to 483; diastolic 55 at 1050 to
    // 1066, 80 at 1133 and 90 (the threshold) at 1166 to 1183.
    for (const auto& [left, right] :
         {std::pair(450, 466), std::pair(466, 483), std::pair(1050, 1066), std::pair(1133, 1150),
          std::pair(1166, 1183)}) {
        ASSERT_NE(barAt(left), nullptr) << left;
        EXPECT_EQ(barAt(left)->rect.toRect(), QRect(left, 1890 - 326, right - left, 326));
    }
    // The threshold over the panel's height, drawn either way.
    EXPECT_TRUE(std::any_of(device.lines().begin(), device.lines().end(), [](auto& l) {
        return l.line == QLineF(466, 910, 466, 1890) || l.line == QLineF(466, 1890, 466, 910);
    }));
    EXPECT_EQ(textAt(326, 770), QStringLiteral("非睡眠收缩压(N = 3)"));
    EXPECT_TRUE(device.hasText(QStringLiteral("33.3% 读入 > 140 mmHg")));
    // No asleep readings: N = 0, no bars in the lower panels (from 36H / 60 = 2520), load 0.0.
    EXPECT_EQ(textAt(1133, 2380), QStringLiteral("睡眠舒张压(N = 0)"));
    EXPECT_TRUE(device.hasText(QStringLiteral("0.0% 读入 > 120 mmHg")));
    for (const auto& r : device.rects())
        EXPECT_LT(r.rect.top(), 2520);
    // An asleep systolic threshold of 210 puts its line at 200 + 150 * 1800 / 540 = 700, inside
    // the text right-aligned at 770: the text moves left of the line, still inside the panel.
    stats.thresholds.asleepSys = 210;
    draw(PageKinds::FrequencyHistogram, context());
    const Text moved = device.textsEqualTo(QStringLiteral("0.0% 读入 > 210 mmHg")).at(0);
    EXPECT_LT(moved.position.x() + QFontMetricsF(moved.font).horizontalAdvance(moved.text), 700);
    EXPECT_GT(moved.position.x(), 200);

    // Heart rate 70 throughout: bins 65 (all readings) and 70 (none); the bar from x = 200 +
    // (65 - 20) * 1800 / 540 = 350 reaches the panel's top, 1000 * 14 * 4200 / 60000 = 980 high.
    load(MakeTest(420, 420, 1320, {Reading(120, 80, 70, 0), Reading(130, 85, 70, 600)}));
    draw(PageKinds::HrMapPpHistogram, context());
    EXPECT_EQ(textAt(1133, 770), QStringLiteral("平均压(N = 2)"));
    ASSERT_NE(barAt(350), nullptr);
    EXPECT_EQ(barAt(350)->rect.toRect(), QRect(350, 910, 16, 980));
}

TEST_F(ReportPages, ClinicalSummaryPageShowsTheFiguresOfTheDialog) {
    // Day 130/80 (no heart rate) and 134/84 from 08:00, night 112/66 and 118/70; 24 hours
    // 123.5/75.0 reaches the ACC/AHA 2017 threshold 125/75 by its diastolic mean.
    load(MakeTest(480, 420, 1320,
                  {Reading(130, 80, 0, 0), Reading(134, 84, 70, 60), Reading(112, 66, 60, 900),
                   Reading(118, 70, 62, 960)}));
    ReportContext c = context();
    c.guideline = ClinicalGuideline::AccAha2017;
    draw(PageKinds::ClinicalSummaryPage, c);
    // Period columns at 52, 112, 142 of 180ths, rows 16 to 18 of H/70; the systolic SD at 90
    // 180ths in row 24: squares about 123.5 sum to 315, sqrt(315 / 3) = 10.2.
    expectCells({Cell{520, 960, "123.5/75.0"}, Cell{1120, 960, "125/75"},
                 Cell{1420, 960, "达到或高于阈值"}, Cell{1120, 1080, "110/65"},
                 Cell{900, 1440, "10.2"}});
    const ClinicalTexts texts =
        ClinicalTexts::Of(ComputeClinicalSummary(record->test, sets, c.guideline));
    for (const QString& text : ClinicalTextList(texts))
        EXPECT_TRUE(device.hasText(text)) << text.toStdString();
    // The paragraph, broken into lines inside its box from row 36 on.
    QString paragraph;
    for (const Text& t : device.texts())
        if (Top(t) >= 36 * 60) paragraph += t.text;
    EXPECT_EQ(paragraph.remove(' '), QString(texts.interpretation).remove(' '));

    // On a narrow page the table columns give way to wider texts: none runs into the next.
    RecordingPaintDevice narrow(QSize(450, H));
    {
        QPainter painter(&narrow);
        DrawReportPage(painter, QRect(0, 0, 450, H), c, PageKinds::ClinicalSummaryPage);
    }
    std::map<int, std::vector<std::pair<qreal, qreal>>> rows;
    for (const Text& t : narrow.texts())
        if (Top(t) >= 15 * 60 && Top(t) < 30 * 60)
            rows[Top(t)].emplace_back(
                t.position.x(), t.position.x() + QFontMetricsF(t.font).horizontalAdvance(t.text));
    for (auto& [top, spans] : rows) {
        std::sort(spans.begin(), spans.end());
        for (std::size_t i = 1; i < spans.size(); ++i)
            EXPECT_LT(spans[i - 1].second, spans[i].first) << "row at " << top;
    }
}
