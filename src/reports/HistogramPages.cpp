// The frequency histogram page (kind 8) and the heart-rate, mean-pressure and pulse-pressure
// histogram page (kind 9): panels of the 5-unit histograms on one grid of two columns and two
// rows.
#include <QPainter>
#include <algorithm>
#include <optional>
#include <vector>

#include "BpStatistics.h"
#include "ChartPainting.h"
#include "PageDrawing.h"
#include "ReportContext.h"
#include "ReportPages.h"
#include "StringTable.h"

using namespace PageDrawing;

namespace {

constexpr int kPanelSpan = 180; // mmHg (or bpm) across a panel: W / 540 per unit
constexpr int kBinWidth = 5;
const QColor kBelowThreshold(0, 130, 0);
const QColor kFromThreshold(255, 0, 0);

// What one panel shows.
struct PanelContent {
    int labelId;
    int count;
    const char* unit;
    const Histogram& histogram;
    int scaleStart; // s: the value at the panel's left edge
    // Kind 8: the threshold with its line, the bars' colours and the load text.
    std::optional<int> threshold;
    double loadPercent = 0.0;
};

// A panel of the grid: column 0 left, 1 right; row 0 upper, 1 lower.
struct Panel {
    int W, H;
    int column, row;
    int scaleStart;

    int left() const { return column == 0 ? W / 9 : Frac(W, 5, 9); }
    int right() const { return column == 0 ? Frac(W, 4, 9) : Frac(W, 8, 9); }
    int top() const { return row == 0 ? Frac(H, 13, 60) : Frac(H, 36, 60); }
    int bottom() const { return row == 0 ? Frac(H, 27, 60) : Frac(H, 50, 60); }
    int labelX() const { return column == 0 ? Frac(W, 49, 270) : Frac(W, 17, 27); }
    int labelY() const { return row == 0 ? Frac(H, 11, 60) : Frac(H, 34, 60); }
    int xOf(int value) const { return left() + Frac(W, value - scaleStart, 540); }
    // The frame's height 14H / 60 is 100 %: a share of 1 per mille is 14H / 60000.
    int heightOf(int perMille) const { return Frac(H, 14 * perMille, 60000); }
    bool spans(int value) const { return value >= scaleStart && value <= scaleStart + kPanelSpan; }
};

void DrawScales(QPainter& p, const Panel& g, const char* unit) {
    const int W = g.W, H = g.H;
    TextAt(p, g.left() - W / 100, g.top() - H / 60, QStringLiteral("%"));
    TextAt(p, g.left() + Frac(W, 4, 27), g.bottom() + H / 60 + H / 100, QString::fromLatin1(unit));
    std::vector<QLine> ticks;
    for (int v = g.scaleStart; v <= g.scaleStart + kPanelSpan; v += 20) {
        const int x = g.xOf(v);
        ticks.emplace_back(x, g.bottom(), x, g.bottom() + H / 120);
        DrawTextCentredAt(p, QPoint(x, g.bottom() + H / 100 + TextHeight(p) / 2),
                          QString::asprintf("%d", v));
    }
    const int tick = W / 150;
    for (int percent = 0; percent <= 100; percent += 10) {
        const int y = g.bottom() - Frac(H, 7 * percent / 10, 300);
        ticks.emplace_back(g.left() - tick, y, g.left(), y);
        DrawTextRightAlignedAt(p, g.left() - tick - W / 300, y, QString::asprintf("%d", percent));
    }
    p.drawLines(ticks.data(), static_cast<int>(ticks.size()));
}

// The bar's outline and lines rising to the right at 45 degrees, spacing apart.
void DrawHatchedBar(QPainter& p, const QRect& bar, int spacing) {
    p.drawRect(bar);
    const int w = bar.width(), h = bar.height();
    const int bottom = bar.top() + h;
    std::vector<QLine> hatch;
    // The line through (left + c, bottom): x - left = c + (bottom - y).
    for (int c = spacing - h; c < w; c += spacing) {
        const int from = std::max(0, -c), to = std::min(h, w - c);
        if (from < to)
            hatch.emplace_back(bar.left() + c + from, bottom - from, bar.left() + c + to,
                               bottom - to);
    }
    if (!hatch.empty()) p.drawLines(hatch.data(), static_cast<int>(hatch.size()));
}

// Bars whose bin lies inside the panel's scale: values below its start are not shown, and
// those beyond its end would run into the next panel.
void DrawBars(QPainter& p, const ReportContext& c, const Panel& g, const PanelContent& content) {
    QPen pen = c.style.blue;
    const int spacing = std::max(2 * c.style.lineWidth, g.W / 180);
    for (const HistogramBin& bin : content.histogram) {
        if (!g.spans(bin.lowerBound) || !g.spans(bin.lowerBound + kBinWidth)) continue;
        const int height = g.heightOf(bin.perMille);
        if (height <= 0) continue;
        if (content.threshold)
            pen.setColor(bin.lowerBound < *content.threshold ? kBelowThreshold : kFromThreshold);
        p.setPen(pen);
        const int x = g.xOf(bin.lowerBound);
        DrawHatchedBar(p,
                       QRect(x, g.bottom() - height, g.xOf(bin.lowerBound + kBinWidth) - x, height),
                       spacing);
    }
}

// The load text stands at the panel's right end. Where the threshold's line would run through
// it (a low threshold, or printer fonts that are wide against the panel), it moves beside the
// line, to its right if it fits there, else to its left.
int LoadTextX(const Panel& g, int threshold, int width) {
    const int gap = g.W / 180;
    const int x = g.right() - g.W / 60 - width;
    if (!g.spans(threshold)) return x;
    const int line = g.xOf(threshold);
    if (line < x - gap || line > x + width + gap) return x;
    if (line + gap + width <= g.right() - gap) return line + gap;
    if (line - gap - width >= g.left() + gap) return line - gap - width;
    return x;
}

void DrawPanel(QPainter& p, const ReportContext& c, const Panel& g, const PanelContent& content) {
    p.setFont(c.style.regular);
    p.setPen(c.style.black);
    p.setBrush(Qt::NoBrush);
    TextAt(p, g.labelX(), g.labelY(),
           QString::asprintf("%s%d%s", qUtf8Printable(StringTable::label(content.labelId)),
                             content.count, ")"));
    BoxLines(p, c, g.left(), g.top(), g.right(), g.bottom());
    DrawScales(p, g, content.unit);
    DrawBars(p, c, g, content);
    if (!content.threshold) return;
    const int threshold = *content.threshold;
    if (g.spans(threshold)) {
        p.setPen(c.style.blue);
        p.drawLine(g.xOf(threshold), g.top(), g.xOf(threshold), g.bottom());
    }
    p.setPen(c.style.black);
    const QString load =
        QString::asprintf("%.1f%s%d%s", content.loadPercent,
                          qUtf8Printable(StringTable::label(57694)), threshold, " mmHg");
    TextAt(p, LoadTextX(g, threshold, p.fontMetrics().horizontalAdvance(load)), g.top() + g.H / 100,
           load);
}

} // namespace

void DrawFrequencyHistogramPage(QPainter& p, const QRect& page, const ReportContext& c, int) {
    DrawPageHeader(p, page, c);
    const int W = page.width(), H = page.height();
    Heading(p, c, StringTable::label(57692), Frac(W, 32, 70), Frac(H, 9, 60), Frac(H, 10, 60),
            Frac(W, 40, 70));
    const BpStatistics& s = c.stats;
    const BpThresholds& t = s.thresholds;
    const PanelContent panels[] = {
        {57693, s.awakeCount, "mmHg", s.awakeSystolic, 60, t.awakeSys,
         LoadPercent(s.awakeSysOver, s.awakeCount)},
        {57695, s.awakeCount, "mmHg", s.awakeDiastolic, 40, t.awakeDia,
         LoadPercent(s.awakeDiaOver, s.awakeCount)},
        {57696, s.asleepCount, "mmHg", s.asleepSystolic, 60, t.asleepSys,
         LoadPercent(s.asleepSysOver, s.asleepCount)},
        {57697, s.asleepCount, "mmHg", s.asleepDiastolic, 40, t.asleepDia,
         LoadPercent(s.asleepDiaOver, s.asleepCount)},
    };
    for (int i = 0; i < 4; ++i) {
        const PanelContent& content = panels[i];
        DrawPanel(p, c, Panel{W, H, i % 2, i / 2, content.scaleStart}, content);
    }
}

void DrawHrMapPpHistogramPage(QPainter& p, const QRect& page, const ReportContext& c, int) {
    DrawPageHeader(p, page, c);
    const BpStatistics& s = c.stats;
    const PanelContent panels[] = {
        {57698, s.includedCount, "BPM", s.heartRate, 20, std::nullopt},
        {57699, s.includedCount, "mmHg", s.meanPressure, 20, std::nullopt},
        {57700, s.includedCount, "mmHg", s.pulsePressure, 20, std::nullopt},
    };
    for (int i = 0; i < 3; ++i) {
        const PanelContent& content = panels[i];
        DrawPanel(p, c, Panel{page.width(), page.height(), i % 2, i / 2, content.scaleStart},
                  content);
    }
}
