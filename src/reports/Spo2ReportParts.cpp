#include "Spo2ReportParts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "GbkText.h"
#include "PageDrawing.h"
#include "ReportContext.h"
#include "Spo2Analysis.h"
#include "Spo2Series.h"
#include "Spo2Summary.h"
#include "Spo2TrendPainter.h"
#include "Spo2TrendState.h"
#include "StringTable.h"

using namespace PageDrawing;

namespace Spo2ReportParts {

namespace {

constexpr double kTablePoints = 10.0;
// The event chart shows falls of up to 20 percent points; deeper ones reach its top.
constexpr int kEventChartMaxDrop = 20;

QString Latin(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The rows labelled "< 88%" count below the critical level, whatever it is set to.
QString WithLevel(int labelId, int level) {
    QString label = StringTable::label(labelId);
    return label.replace(QStringLiteral("88"), QString::number(level));
}

// Cells addressed by row and column; row r spans [top + r * rowHeight, ...).
struct TableGrid {
    int top = 0;
    int rowHeight = 0;
    std::vector<int> edges; // column boundaries, one more than the columns

    QRect cell(int row, int column) const {
        const auto c = static_cast<std::size_t>(column);
        return QRect(edges[c], top + row * rowHeight, edges[c + 1] - edges[c], rowHeight);
    }
    QRect rowRect(int row) const {
        return QRect(edges.front(), top + row * rowHeight, edges.back() - edges.front(), rowHeight);
    }
    int bottom(int rows) const { return top + rows * rowHeight; }
};

TableGrid MakeGrid(const QPainter& p, const QRect& area, std::initializer_list<int> percents) {
    TableGrid g;
    g.top = area.top();
    g.rowHeight = p.fontMetrics().height() * 4 / 3;
    int sum = 0;
    g.edges.push_back(area.left());
    for (int percent : percents) {
        sum += percent;
        g.edges.push_back(area.left() + Frac(area.width(), sum, 100));
    }
    return g;
}

void CellText(QPainter& p, const TableGrid& g, int row, int column, const QString& text,
              int align) {
    const int pad = p.fontMetrics().averageCharWidth() / 2;
    p.drawText(g.cell(row, column).adjusted(pad, 0, -pad, 0), align | Qt::AlignVCenter, text);
}

// Row lines under every row, the outer frame and the column lines.
void GridLines(QPainter& p, const ReportContext& c, const TableGrid& g, int rows) {
    p.setPen(c.style.black);
    for (int r = 0; r <= rows; ++r)
        p.drawLine(g.edges.front(), g.top + r * g.rowHeight, g.edges.back(),
                   g.top + r * g.rowHeight);
    for (int x : g.edges)
        p.drawLine(x, g.top, x, g.bottom(rows));
}

// The chart's heading above area and its frame; returns the plot inside the frame, leaving
// room for the value labels on the left and a line of labels below.
QRect ChartFrame(QPainter& p, const ReportContext& c, const QRect& area, const QString& heading) {
    p.setFont(TableFont(c));
    p.setPen(c.style.black);
    const QFontMetrics fm = p.fontMetrics();
    TextAt(p, area.left(), area.top(), heading);
    const QRect plot = area.adjusted(fm.horizontalAdvance(QStringLiteral("1000")),
                                     fm.height() * 3 / 2, 0, -fm.height() * 3 / 2);
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    return plot;
}

// A value label left of the plot at the height of value, and a tick.
void ValueLabel(QPainter& p, const QRect& plot, int y, const QString& text) {
    const QFontMetrics fm = p.fontMetrics();
    const int tick = fm.averageCharWidth() / 2;
    p.drawLine(plot.left() - tick, y, plot.left(), y);
    p.drawText(plot.left() - tick * 2 - fm.horizontalAdvance(text),
               y + (fm.ascent() - fm.descent()) / 2, text);
}

// A label centred under the plot at x.
void AxisLabel(QPainter& p, const QRect& plot, int x, const QString& text) {
    const QFontMetrics fm = p.fontMetrics();
    p.drawText(x - fm.horizontalAdvance(text) / 2, plot.bottom() + fm.height(), text);
}

int ValueY(const QRect& plot, double value, double maximum) {
    if (maximum <= 0) return plot.bottom();
    const double share = std::clamp(value / maximum, 0.0, 1.0);
    return plot.bottom() - static_cast<int>(share * plot.height());
}

// Bars over the bands of the level table, highest SpO2 first, labelled with each band's
// lower value.
void BandBars(QPainter& p, const ReportContext& c, const QRect& plot,
              const std::vector<double>& values, double maximum) {
    const int bands = static_cast<int>(values.size());
    p.setPen(c.style.black);
    p.setBrush(QColor(170, 170, 170));
    for (int i = 0; i < bands; ++i) {
        const int left = plot.left() + Frac(plot.width(), i, bands);
        const int right = plot.left() + Frac(plot.width(), i + 1, bands);
        const int gap = (right - left) / 6;
        const int top = ValueY(plot, values[static_cast<std::size_t>(i)], maximum);
        if (top < plot.bottom())
            p.drawRect(QRect(QPoint(left + gap, top), QPoint(right - gap, plot.bottom())));
        AxisLabel(p, plot, (left + right) / 2, QString::number(100 - 5 * i - 5));
    }
    p.setBrush(Qt::NoBrush);
}

int SeriesLength(const ReportContext& c) {
    return c.spo2Analysis ? c.spo2Analysis->seriesLength() : 0;
}

// The grid step of the whole series' time axis: whole hours, at most twelve labels.
int HourStep(int length) {
    const int hours = std::max(1, (length + 3599) / 3600);
    return 3600 * std::max(1, (hours + 11) / 12);
}

} // namespace

QFont TableFont(const ReportContext& c) {
    QFont font = c.style.regular;
    font.setPixelSize(std::max(1, static_cast<int>(kTablePoints * c.style.printerDpi / 72.0)));
    return font;
}

int Title(QPainter& p, const ReportContext& c, int W, int top, const QString& title) {
    p.setFont(c.style.title);
    p.setPen(c.style.black);
    const int height = TextHeight(p);
    p.drawText(QRect(0, top, W, height), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
               title);
    return top + height;
}

int PatientBlock(QPainter& p, const ReportContext& c, int x, int top) {
    p.setFont(c.style.regular);
    p.setPen(c.style.black);
    const int minutes = TestMinutes(c.record.test);
    const QString lines[] = {StringTable::label(57662) + c.texts.name,
                             StringTable::label(57663) + c.texts.id,
                             StringTable::label(57703) + FromGbk(c.record.test.beginDateText),
                             QString::asprintf("%s%d:%d", qUtf8Printable(StringTable::label(57705)),
                                               minutes / 60, minutes % 60)};
    const int step = TextHeight(p) * 6 / 5;
    for (const QString& line : lines) {
        TextAt(p, x, top, line);
        top += step;
    }
    return top;
}

int ParameterBlock(QPainter& p, const ReportContext& c, int x, int top) {
    p.setFont(c.style.semiBold);
    p.setPen(c.style.black);
    TextAt(p, x, top, StringTable::label(57758));
    top += TextHeight(p) * 6 / 5;
    p.setFont(c.style.regular);
    // The stored texts name the default thresholds; other thresholds are printed as they are.
    const Spo2Parameters p0{};
    const Spo2Parameters used = c.spo2Analysis ? c.spo2Analysis->parameters() : p0;
    const bool spo2Default =
        used.dropThreshold == p0.dropThreshold && used.minimumDuration == p0.minimumDuration;
    const bool pulseDefault = used.pulseChangeThreshold == p0.pulseChangeThreshold &&
                              used.pulseMinimumDuration == p0.pulseMinimumDuration;
    const QString lines[] = {
        spo2Default ? StringTable::label(57759)
                    : QCoreApplication::translate("Spo2ReportPages",
                                                  "饱和事件：血氧下降至少%%1，持续时间至少%2秒")
                          .arg(used.dropThreshold)
                          .arg(used.minimumDuration),
        pulseDefault ? StringTable::label(57760)
                     : QCoreApplication::translate("Spo2ReportPages",
                                                   "脉搏事件：脉率变化至少%1bpm，持续时间至少%2秒")
                           .arg(used.pulseChangeThreshold)
                           .arg(used.pulseMinimumDuration)};
    const int step = TextHeight(p) * 6 / 5;
    for (const QString& line : lines) {
        TextAt(p, x, top, line);
        top += step;
    }
    return top;
}

int SummaryTable(QPainter& p, const ReportContext& c, const QRect& area) {
    if (!c.spo2Analysis) return area.top();
    const Spo2SummaryTexts t = Spo2Summary::Figures(*c.spo2Analysis);
    const int level = c.spo2Analysis->criticalLevel();
    struct Row {
        QString label;
        std::string spo2, pulse;
        bool heading = false;
    };
    const auto label = [](int id) { return StringTable::label(id); };
    const Row rows[] = {
        {label(57739), t.spo2.totalEvents, t.pulse.totalEvents},
        {label(57740), t.spo2.totalEventMinutes, t.pulse.totalEventMinutes},
        {label(57741), t.spo2.averageEventSeconds, t.pulse.averageEventSeconds},
        {label(57742), t.spo2.indexPerHour, t.pulse.indexPerHour},
        {label(57743), t.spo2.artefactPercent, t.pulse.artefactPercent},
        {label(57744), t.spo2.adjustedIndex, t.pulse.adjustedIndex},
        {label(57745), {}, {}, true},
        {label(57746), t.spo2.average, {}},
        {WithLevel(57747, level), t.minutesBelowCritical, {}},
        {WithLevel(57748, level), t.eventsBelowCritical, {}},
        {label(57749), t.spo2.minimum, {}},
        {label(57750), t.lowAverage, {}},
        {label(57751), t.lowAverageBelow88, {}},
        {label(57753), {}, {}, true},
        {label(57754), {}, t.pulse.average},
        {label(57755), {}, t.pulse.minimum},
    };
    p.setFont(TableFont(c));
    p.setPen(c.style.black);
    const TableGrid g = MakeGrid(p, area, {50, 25, 25});
    CellText(p, g, 0, 0, label(57736), Qt::AlignLeft);
    CellText(p, g, 0, 1, label(57737), Qt::AlignHCenter);
    CellText(p, g, 0, 2, label(57738), Qt::AlignHCenter);
    int r = 1;
    for (const Row& row : rows) {
        if (row.heading) {
            const int pad = p.fontMetrics().averageCharWidth() / 2;
            p.drawText(g.rowRect(r).adjusted(pad, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       row.label);
        } else {
            CellText(p, g, r, 0, row.label, Qt::AlignLeft);
            CellText(p, g, r, 1, Latin(row.spo2), Qt::AlignHCenter);
            CellText(p, g, r, 2, Latin(row.pulse), Qt::AlignHCenter);
        }
        ++r;
    }
    GridLines(p, c, g, r);
    return g.bottom(r);
}

int LevelTable(QPainter& p, const ReportContext& c, const QRect& area) {
    if (!c.spo2Analysis) return area.top();
    p.setFont(TableFont(c));
    p.setPen(c.style.black);
    const TableGrid g = MakeGrid(p, area, {34, 20, 22, 24});
    const int headings[] = {57770, 57752, 57771, 57772};
    for (int col = 0; col < 4; ++col)
        CellText(p, g, 0, col, StringTable::label(headings[col]), Qt::AlignHCenter);
    int r = 1;
    for (const Spo2LevelRow& row : Spo2Summary::LevelTable(*c.spo2Analysis)) {
        const std::string* cells[] = {&row.band, &row.events, &row.below, &row.time};
        for (int col = 0; col < 4; ++col)
            CellText(p, g, r, col, Latin(*cells[col]), Qt::AlignHCenter);
        ++r;
    }
    GridLines(p, c, g, r);
    return g.bottom(r);
}

void EventChart(QPainter& p, const ReportContext& c, const QRect& area) {
    const QRect plot = ChartFrame(p, c, area, StringTable::label(57752));
    const int length = SeriesLength(c);
    for (int drop = 0; drop <= kEventChartMaxDrop; drop += 10)
        ValueLabel(p, plot, ValueY(plot, drop, kEventChartMaxDrop), QString::number(drop));
    if (length <= 0) return;
    const auto xOf = [&](long long second) {
        return plot.left() + static_cast<int>(second * plot.width() / length);
    };
    const int step = HourStep(length);
    for (int t = 0; t <= length; t += step)
        AxisLabel(p, plot, xOf(t), Latin(Spo2TrendText::Elapsed(t)));
    QPen bar = c.style.black;
    bar.setWidth(std::max(1, c.style.lineWidth * 2));
    p.setPen(bar);
    for (const auto& [start, e] : c.spo2Analysis->desaturationEvents()) {
        const int x = xOf(start);
        p.drawLine(x, plot.bottom(), x,
                   ValueY(plot, e.startValue - e.endValue, kEventChartMaxDrop));
    }
}

void OverviewChart(QPainter& p, const ReportContext& c, const QRect& area) {
    p.setFont(TableFont(c));
    p.setPen(c.style.black);
    TextAt(p, area.left(), area.top(), StringTable::label(57764));
    const int length = SeriesLength(c);
    const QRect below = area.adjusted(0, TextHeight(p), 0, 0);
    Strip(p, c, below,
          {0, length, HourStep(length), c.spo2Analysis ? c.spo2Analysis->criticalLevel() : 88});
}

void Spo2DistributionChart(QPainter& p, const ReportContext& c, const QRect& area) {
    const QRect plot = ChartFrame(p, c, area, StringTable::label(57773));
    for (int percent = 0; percent <= 100; percent += 50)
        ValueLabel(p, plot, ValueY(plot, percent, 100), QString::number(percent));
    if (!c.spo2Analysis) return;
    const Spo2Analysis& a = *c.spo2Analysis;
    const int withData = a.secondsBelow(101);
    std::vector<double> shares;
    for (int i = 0; i < kSpo2LevelRows; ++i) {
        const int upper = 100 - 5 * i;
        const int inBand = a.secondsBelow(upper) - a.secondsBelow(upper - 5);
        shares.push_back(withData == 0 ? 0.0 : inBand * 100.0 / withData);
    }
    BandBars(p, c, plot, shares, 100);
}

void EventDistributionChart(QPainter& p, const ReportContext& c, const QRect& area) {
    const QRect plot = ChartFrame(p, c, area, StringTable::label(57774));
    std::vector<double> counts;
    int most = 0;
    if (c.spo2Analysis)
        for (const Spo2LevelRow& row : Spo2Summary::LevelTable(*c.spo2Analysis)) {
            const int n = std::stoi(row.events);
            counts.push_back(n);
            most = std::max(most, n);
        }
    // The scale ends on the next multiple of 5 above the largest count.
    const int top = std::max(5, (most + 4) / 5 * 5);
    ValueLabel(p, plot, plot.bottom(), QStringLiteral("0"));
    ValueLabel(p, plot, plot.top(), QString::number(top));
    if (!counts.empty()) BandBars(p, c, plot, counts, top);
}

void Strip(QPainter& p, const ReportContext& c, const QRect& area, const Spo2Stretch& stretch) {
    if (!c.spo2Analysis || !c.spo2) return;
    p.setFont(TableFont(c));
    Spo2TrendStyle style = Spo2TrendStyle::Paper(c.style.lineWidth);
    style.spo2Title = StringTable::label(57765);
    style.pulseTitle = StringTable::label(57766);
    style.spo2Scale = {50, 100, 10, 10};
    style.pulseScale = {30, 150, 10, 20};
    const Spo2TrendGeometry g = LayoutSpo2Trend(p, area);
    Spo2TrendCurves curves;
    curves.update(*c.spo2Analysis, stretch.window, g.plotWidth);
    PaintSpo2Stretch(p, g, stretch, *c.spo2Analysis, *c.spo2, curves, style);
}

void SignatureLines(QPainter& p, const ReportContext& c, int W, int y) {
    p.setFont(c.style.regular);
    p.setPen(c.style.black);
    const int labels[] = {57756, 57757, 57762};
    // Physician, date, time: the physician's line is the longest.
    const int starts[] = {Frac(W, 1, 12), Frac(W, 11, 20), Frac(W, 31, 40)};
    const int ends[] = {Frac(W, 1, 2), Frac(W, 3, 4), Frac(W, 11, 12)};
    for (int i = 0; i < 3; ++i) {
        const QString text = StringTable::label(labels[i]);
        TextAt(p, starts[i], y, text);
        const int lineY = y + p.fontMetrics().ascent();
        p.drawLine(starts[i] + p.fontMetrics().horizontalAdvance(text + QLatin1Char(' ')), lineY,
                   ends[i], lineY);
    }
}

} // namespace Spo2ReportParts
