#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <map>

#include "ClinicalTextList.h"
#include "PageDispatcher.h"
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

class ReportPages : public ::testing::Test {
  protected:
    void load(std::unique_ptr<TestRecord> test) {
        record->test = *test;
        record->test.beginDateText = "1/3/2026 7:00";
        record->isLoaded = 1;
        ClassifyReadings(record->test, sets);
        ComputeStatistics(*record, sets, stats);
    }
    ReportContext context() const {
        ReportContext c{.record = *record, .sets = sets, .stats = stats};
        c.style = ReportStyle::ForResolution(96, 96);
        c.texts.name = QStringLiteral("Lin");
        c.texts.id = QStringLiteral("P-7");
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
    bool hasLine(QLineF line) const {
        for (const auto& l : device.lines())
            if (l.line == line || l.line == QLineF(line.p2(), line.p1())) return true;
        return false;
    }

    std::unique_ptr<PatientRecord> record = std::make_unique<PatientRecord>();
    ReadingSets sets;
    BpStatistics stats;
    RecordingPaintDevice device{QSize(W, H)};
};

struct Cell {
    int x, top;
    const char* text;
};

} // namespace

TEST(ReportStyle, PensAndFontsScaleWithThePrinterResolution) {
    const ReportStyle s = ReportStyle::ForResolution(600, 96);
    // 600 / 96 = 6.25, truncated; fonts 16 * 600 / (96 * 1.25) = 80, then 1.2 and 1.5 times.
    EXPECT_EQ(s.lineWidth, 6);
    for (const QPen& pen : {s.black, s.blue, s.yellow, s.grey})
        EXPECT_EQ(pen.width(), 6);
    EXPECT_EQ(s.grey.color(), QColor(132, 130, 132));
    EXPECT_EQ(s.regular.pixelSize(), 80);
    EXPECT_EQ(s.large.pixelSize(), 96);
    EXPECT_EQ(s.title.pixelSize(), 120);
    EXPECT_EQ(s.scaledWidth(2), 12);
}

TEST_F(ReportPages, HeaderFrameTitleAndPatient) {
    load(MakeTest(420, 420, 1320, {Reading(120, 80)}));
    draw(PageKinds::FirstDataPage, context());
    // Frame from (W/18, H/20) to (17W/18, 3H/22) = (100, 210) to (1700, 572).
    EXPECT_TRUE(hasLine({100, 210, 1700, 210}));
    EXPECT_TRUE(hasLine({1700, 210, 1700, 572}));
    EXPECT_TRUE(hasLine({1700, 572, 100, 572}));
    EXPECT_TRUE(hasLine({100, 572, 100, 210}));
    EXPECT_EQ(textAt(110, 420), QStringLiteral("患者姓名: Lin"));
    EXPECT_EQ(textAt(110, 496), QStringLiteral("测量开始时间: 1/3/2026 7:00"));
    EXPECT_EQ(textAt(1296, 420), QStringLiteral("患者编号: P-7"));
    const std::vector<Text> title = device.textsEqualTo(QStringLiteral("动态血压报告"));
    ASSERT_EQ(title.size(), 1u);
    const qreal centre =
        title[0].position.x() + QFontMetricsF(title[0].font).horizontalAdvance(title[0].text) / 2;
    EXPECT_NEAR(centre, W / 2, 1.0);
}

TEST_F(ReportPages, PatientDataRowsFollowTheAddressAndMedicationLines) {
    load(MakeTest(420, 420, 1320, {Reading(120, 80)}));
    ReportContext c = context();
    c.texts.address = QStringList{"a1", "a2", "a3"};
    c.texts.medications = QStringList{"m1", "m2"};
    c.texts.phone = QStringLiteral("555");
    draw(PageKinds::Demographics, c);
    // A = 3, B = A + 2; row n at 60 n; left column 11W/180 = 110, value column 13W/40 = 585.
    for (const Cell& cell :
         {Cell{585, 15 * 60, "a2"}, Cell{110, 18 * 60, "电话"}, Cell{585, 18 * 60, "555"},
          Cell{110, 23 * 60, "体重"}, Cell{771, 25 * 60, "目前用药情况"}, Cell{110, 27 * 60, "m1"},
          Cell{822, 30 * 60, "医师诊断"}, Cell{110, 33 * 60, "主治医师"}}) {
        SCOPED_TRACE(cell.text);
        EXPECT_EQ(textAt(cell.x, cell.top), QString::fromUtf8(cell.text));
    }
    // The comment box from row B + 31 = 36 down to 67H/70.
    EXPECT_TRUE(hasLine({100, 2160, 1700, 2160}));
    EXPECT_TRUE(hasLine({1700, 4020, 100, 4020}));
}

TEST_F(ReportPages, DataRowsShowFailedValuesAsDashesAndTheirClockTime) {
    // From 07:00: a failed reading at 07:05, an excluded one, 120/120 at 07:35, one at 12:30.
    load(MakeTest(420, 420, 1320,
                  {Reading(0, 0, 0, 5), Reading(130, 85, 70, 20, 0), Reading(120, 120, 70, 35),
                   Reading(135, 85, 72, 330)}));
    draw(PageKinds::FirstDataPage, context());
    // Columns 11W/180, 3W/18, 5W/18, 7W/18, 9W/18, 11W/18: 110, 300, 500, 700, 900, 1100;
    // rows 14, 15, 16 of H/60.
    for (const Cell& cell :
         {Cell{110, 980, "1"}, Cell{300, 980, "(07:05)"}, Cell{500, 980, "---/---"},
          Cell{700, 980, "---"}, Cell{900, 980, "---"}, Cell{1100, 980, "---"},
          Cell{110, 1050, "3"}, Cell{300, 1050, "(07:35)"}, Cell{500, 1050, "120/120"},
          Cell{900, 1050, "120"}, Cell{1100, 1050, "---"}, Cell{110, 1120, "4"},
          Cell{300, 1120, "(12:30)"}, Cell{500, 1120, "135/85"}, Cell{700, 1120, "72"},
          Cell{900, 1120, "101"}, Cell{1100, 1120, "50"}}) {
        SCOPED_TRACE(cell.text);
        EXPECT_EQ(textAt(cell.x, cell.top), QString::fromUtf8(cell.text));
    }
    EXPECT_EQ(textAt(110, 1190), QStringLiteral("<nothing>"));
}

TEST_F(ReportPages, SummaryPagesOfATestWithoutAwakeReadings) {
    // Awake 07:00 to 22:00; from 23:00 both readings are asleep, the last 1445 minutes on.
    load(MakeTest(1380, 420, 1320, {Reading(150, 95, 70, 0), Reading(110, 70, 60, 1445)}));
    const ReportContext c = context();
    draw(PageKinds::BpSummary, c);
    // Loads at 45W/80 = 1012: awake 0 of 0; asleep 1 of 2 over 120 and over 80.
    for (const Cell& cell :
         {Cell{110, 780, "测量时间: 24:5"}, Cell{110, 840, "测量次数: 2"},
          Cell{1012, 1080, "超过基准值的：0.0%"}, Cell{1012, 1140, "超过基准值的：0.0%"},
          Cell{1012, 1260, "超过基准值的：50.0%"},
          Cell{110, 1080, "非睡眠时收缩压基准值：140 mmHg"}}) {
        SCOPED_TRACE(cell.text);
        EXPECT_EQ(textAt(cell.x, cell.top), QString::fromUtf8(cell.text));
    }

    draw(PageKinds::Statistics, c);
    // Load lines at rows 25, 36 and 47; the empty awake block (row 28) has no extremes.
    // Columns 40W/150 = 480, 57W/150 = 684 and 108W/150 = 1296.
    for (const Cell& cell :
         {Cell{110, 780, "分析次数/测量总次数: 2/2 (100.0%)"},
          Cell{110, 1500,
               "全部血压上传: 50.0% 收缩压 >  140/120 mmHg   50.0% 舒张压 >  90/80 mmHg"},
          Cell{110, 2160, "非睡眠血压上传: 0.0% 收缩压 > 140 mmHg 0.0% 舒张压 > 90 mmHg"},
          Cell{110, 2820, "睡眠血压上传: 50.0% 收缩压 > 120 mmHg 50.0% 舒张压 > 80 mmHg"},
          Cell{110, 1680, "非睡眠统计测量次数: 0"}, Cell{480, 1860, "---"}, Cell{1296, 1860, "0.0"},
          Cell{480, 2520, "150"}, Cell{684, 2520, "(23:00)"}}) {
        SCOPED_TRACE(cell.text);
        EXPECT_EQ(textAt(cell.x, cell.top), QString::fromUtf8(cell.text));
    }
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
    // Period columns at 11, 34, 52, 82, 112, 142 of 180ths (110 ... 1420), rows 16 to 18 of
    // H/70; variability values at 90 and 125 of 180ths, from row 24. Systolic squares about
    // 123.5 sum to 315 (SD sqrt(105) = 10.2), diastolic about 75 to 212 (sqrt(70.67) = 8.4).
    for (const Cell& cell :
         {Cell{110, 960, "24小时"}, Cell{340, 960, "4"}, Cell{520, 960, "123.5/75.0"},
          Cell{820, 960, "64.0"}, Cell{1120, 960, "125/75"}, Cell{1420, 960, "达到或高于阈值"},
          Cell{820, 1020, "70.0"}, Cell{1120, 1080, "110/65"}, Cell{900, 1440, "10.2"},
          Cell{1250, 1440, "8.4"}}) {
        SCOPED_TRACE(cell.text);
        EXPECT_EQ(textAt(cell.x, cell.top), QString::fromUtf8(cell.text));
    }
    const ClinicalTexts texts =
        ClinicalTexts::Of(ComputeClinicalSummary(record->test, sets, c.guideline));
    for (const QString& text : ClinicalTextList(texts))
        EXPECT_TRUE(device.hasText(text)) << text.toStdString();
    // The paragraph, broken into lines inside its box from row 36 on.
    QString paragraph;
    for (const Text& t : device.texts())
        if (Top(t) >= 36 * 60) paragraph += t.text;
    EXPECT_EQ(paragraph.remove(' '), QString(texts.interpretation).remove(' '));
    EXPECT_TRUE(texts.interpretation.contains(QStringLiteral("ACC/AHA 2017")));

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
