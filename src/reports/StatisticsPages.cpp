// The summary statistics page (kind 1) and the ambulatory blood-pressure summary page (kind 2).
#include <QPainter>
#include <algorithm>
#include <array>

#include "PageDrawing.h"
#include "ReadingSetStats.h"
#include "ReportContext.h"
#include "ReportPages.h"
#include "StringTable.h"

using namespace PageDrawing;

namespace {

QString Decimal(double value) {
    return QString::asprintf("%.1f", value);
}

// One block of the summary statistics page: a set with its summary and its load counts.
struct StatisticsBlock {
    const ReadingSet& set;
    const SetSummary& summary;
    int countLabel;
    int firstRow;
};

struct QuantityRow {
    BpQuantity quantity;
    int label;
    const char* unit;
};

constexpr std::array<QuantityRow, kBpQuantityCount> kQuantityRows = {{
    {BpQuantity::Systolic, 57726, "(mmHg)"},
    {BpQuantity::Diastolic, 57727, "(mmHg)"},
    {BpQuantity::HeartRate, 57656, "(BPM)"},
    {BpQuantity::MeanPressure, 57657, "(mmHg)"},
    {BpQuantity::PulsePressure, 57658, "(mmHg)"},
}};

// The value and the time text of the reading at a stored extreme index. An empty set has no
// extremes: its cells show "---" and no time.
std::pair<QString, QString> ExtremeCells(const ReportContext& c, const ReadingSet& set, int index,
                                         BpQuantity q) {
    if (index < 0 || index >= static_cast<int>(set.size())) return {QStringLiteral("---"), {}};
    const BpReading& r = set[static_cast<std::size_t>(index)];
    return {QString::number(ValueOf(r, q)), ReadingTimeText(c.record.test, r.minutesFromStart)};
}

void DrawBlock(QPainter& p, const ReportContext& c, const StatisticsBlock& b, const TextGrid& g) {
    const int W = g.W, left = g.left();
    const std::array<int, 5> columns = {Frac(W, 40, 150), Frac(W, 57, 150), Frac(W, 74, 150),
                                        Frac(W, 91, 150), Frac(W, 108, 150)};
    const int r = b.firstRow;
    TextAt(p, left, g.row(r),
           StringTable::label(b.countLabel) + QString::number(static_cast<int>(b.set.size())));
    const std::array<int, 5> headings = {57679, 57654, 57680, 57654, 57644};
    for (std::size_t i = 0; i < columns.size(); ++i)
        TextAt(p, columns[i], g.row(r + 1), StringTable::label(headings[i]));

    // The units stand after the widest label, so that no label runs into its unit.
    int labelWidth = 0;
    for (const QuantityRow& q : kQuantityRows)
        labelWidth =
            std::max(labelWidth, p.fontMetrics().horizontalAdvance(StringTable::label(q.label)));
    const int unitX = left + labelWidth;
    for (std::size_t i = 0; i < kQuantityRows.size(); ++i) {
        const QuantityRow& q = kQuantityRows[i];
        const int y = g.row(r + 3 + static_cast<int>(i));
        TextAt(p, left, y, StringTable::label(q.label));
        TextAt(p, unitX, y, QString::fromLatin1(q.unit));
        const QuantitySummary& s = b.summary[q.quantity];
        const auto [maxValue, maxTime] = ExtremeCells(c, b.set, s.maxIndex, q.quantity);
        const auto [minValue, minTime] = ExtremeCells(c, b.set, s.minIndex, q.quantity);
        const std::array<QString, 5> cells = {maxValue, maxTime, minValue, minTime,
                                              Decimal(static_cast<double>(s.mean))};
        for (std::size_t k = 0; k < cells.size(); ++k)
            TextAt(p, columns[k], y, cells[k]);
    }
}

QString WholeDayLoadLine(const BpStatistics& s) {
    const BpThresholds& t = s.thresholds;
    return QString::asprintf(
        "%s: %.1f%s %d/%d mmHg   %.1f%s %d/%d mmHg", qUtf8Printable(StringTable::label(57687)),
        LoadPercent(s.daySysOver, s.includedCount), qUtf8Printable(StringTable::label(57683)),
        t.awakeSys, t.asleepSys, LoadPercent(s.dayDiaOver, s.includedCount),
        qUtf8Printable(StringTable::label(57684)), t.awakeDia, t.asleepDia);
}

QString PeriodLoadLine(int label, int sysOver, int diaOver, int count, int sysThreshold,
                       int diaThreshold) {
    return QString::asprintf("%s%.1f%s%d%s%.1f%s%d%s", qUtf8Printable(StringTable::label(label)),
                             LoadPercent(sysOver, count), qUtf8Printable(StringTable::label(57683)),
                             sysThreshold, " mmHg ", LoadPercent(diaOver, count),
                             qUtf8Printable(StringTable::label(57684)), diaThreshold, " mmHg");
}

// "day: standard deviation  12.3/8.1 mmHg, 9.0/min" for one set.
QString DeviationLine(const ReportContext& c, int periodLabel, const ReadingSet& set) {
    using Q = ReadingSetStats::Quantity;
    ReadingSetStats stats;
    stats.attach(set, c.record.test);
    stats.compute();
    return QString::asprintf(
        "%s: %s     %0.1f/%0.1f mmHg, %0.1f/min", qUtf8Printable(StringTable::label(periodLabel)),
        qUtf8Printable(StringTable::label(57820)), stats.standardDeviation(Q::Systolic),
        stats.standardDeviation(Q::Diastolic), stats.standardDeviation(Q::HeartRate));
}

} // namespace

void DrawSummaryStatisticsPage(QPainter& p, const QRect& page, const ReportContext& c, int) {
    DrawPageHeader(p, page, c);
    const TextGrid g(page);
    const int W = g.W, H = g.H, left = g.left();
    const BpStatistics& s = c.stats;

    Heading(p, c, StringTable::label(57675), Frac(W, 36, 80), Frac(H, 9, 60), Frac(H, 10, 60),
            Frac(W, 44, 80));
    const double analysed = s.totalCount > 0 ? 100.0 * s.includedCount / s.totalCount : 0.0;
    TextAt(p, left, g.row(13),
           QString::asprintf("%s%d/%d (%.1f%c)", qUtf8Printable(StringTable::label(57676)),
                             s.includedCount, s.totalCount, analysed, '%'));
    Heading(p, c, StringTable::label(57677), Frac(W, 36, 80), g.row(15), Frac(H, 16, 69),
            Frac(W, 44, 80));

    const BpThresholds& t = s.thresholds;
    DrawBlock(p, c, {c.sets.included, s.included, 57678, 17}, g);
    TextAt(p, left, g.row(25), WholeDayLoadLine(s));
    DrawBlock(p, c, {c.sets.awake, s.awake, 57681, 28}, g);
    TextAt(p, left, g.row(36),
           PeriodLoadLine(57682, s.awakeSysOver, s.awakeDiaOver, s.awakeCount, t.awakeSys,
                          t.awakeDia));
    DrawBlock(p, c, {c.sets.asleep, s.asleep, 57685, 39}, g);
    TextAt(p, left, g.row(47),
           PeriodLoadLine(57686, s.asleepSysOver, s.asleepDiaOver, s.asleepCount, t.asleepSys,
                          t.asleepDia));

    p.setFont(c.style.large);
    const int s6 = p.fontMetrics().size(Qt::TextSingleLine, QStringLiteral("888888")).height();
    const int first = g.row(47) + 2 * s6;
    TextAt(p, left, first, DeviationLine(c, 57776, c.sets.awake));
    TextAt(p, left, first + s6, DeviationLine(c, 57777, c.sets.asleep));
    TextAt(p, left, first + 2 * s6, DeviationLine(c, 57775, c.sets.included));
    p.setFont(c.style.regular);
}

void DrawAmbulatorySummaryPage(QPainter& p, const QRect& page, const ReportContext& c, int) {
    DrawPageHeader(p, page, c);
    const TextGrid g(page);
    const int W = g.W, H = g.H, left = g.left();
    const BpStatistics& s = c.stats;
    const BpThresholds& t = s.thresholds;
    const TestRecord& test = c.record.test;

    Heading(p, c, StringTable::label(57635), Frac(W, 35, 80), Frac(H, 9, 60), Frac(H, 10, 60),
            Frac(W, 46, 80));
    const int last = TestMinutes(test);
    TextAt(p, left, g.row(13),
           QString::asprintf("%s%d:%d", qUtf8Printable(StringTable::label(57636)), last / 60,
                             last % 60));
    TextAt(p, left, g.row(14),
           QString::asprintf("%s%d", qUtf8Printable(StringTable::label(57637)), s.includedCount));

    Heading(p, c, StringTable::label(57638), Frac(W, 37, 80), g.row(16), g.row(17),
            Frac(W, 45, 80));
    struct LoadRow {
        int row, label, threshold, over, count;
    };
    const LoadRow loads[] = {{18, 57639, t.awakeSys, s.awakeSysOver, s.awakeCount},
                             {19, 57641, t.awakeDia, s.awakeDiaOver, s.awakeCount},
                             {21, 57642, t.asleepSys, s.asleepSysOver, s.asleepCount},
                             {22, 57643, t.asleepDia, s.asleepDiaOver, s.asleepCount}};
    for (const LoadRow& l : loads) {
        TextAt(p, left, g.row(l.row),
               QString::asprintf("%s%d%s", qUtf8Printable(StringTable::label(l.label)), l.threshold,
                                 " mmHg"));
        TextAt(p, Frac(W, 45, 80), g.row(l.row),
               QString::asprintf("%s%.1f%s", qUtf8Printable(StringTable::label(57640)),
                                 LoadPercent(l.over, l.count), "%"));
    }

    Heading(p, c, StringTable::label(57644), Frac(W, 38, 80), g.row(24), g.row(25),
            Frac(W, 44, 80));
    const auto mean = [](const SetSummary& set, BpQuantity q) {
        return static_cast<double>(set[q].mean);
    };
    const auto pressure = [&](int label, const SetSummary& set) {
        return QString::asprintf("%s%.1f/%.1f%s", qUtf8Printable(StringTable::label(label)),
                                 mean(set, BpQuantity::Systolic), mean(set, BpQuantity::Diastolic),
                                 " mmHg");
    };
    const auto single = [&](int label, const SetSummary& set, BpQuantity q, const char* unit) {
        return QString::asprintf("%s%.1f%s", qUtf8Printable(StringTable::label(label)),
                                 mean(set, q), unit);
    };
    const int middle = Frac(W, 69, 180), right = Frac(W, 127, 180);
    TextAt(p, left, g.row(26), pressure(57645, s.awake));
    TextAt(p, middle, g.row(26), single(57646, s.awake, BpQuantity::PulsePressure, " mmHg"));
    TextAt(p, right, g.row(26), single(57647, s.awake, BpQuantity::HeartRate, " BPM"));
    TextAt(p, left, g.row(27), pressure(57648, s.asleep));
    TextAt(p, middle, g.row(27), single(57649, s.asleep, BpQuantity::PulsePressure, " mmHg"));
    TextAt(p, right, g.row(27), single(57650, s.asleep, BpQuantity::HeartRate, " BPM"));

    Heading(p, c, StringTable::label(57651), Frac(W, 36, 80), g.row(29), g.row(30),
            Frac(W, 46, 80));
    BoxLines(p, c, W / 18, g.row(32), Frac(W, 17, 18), g.row(67));
    for (int i = 0; i < c.texts.clinicalInterpretation.size(); ++i)
        TextAt(p, W / 15, g.row(33 + i), c.texts.clinicalInterpretation[i]);
}
