// The trend pages (kinds 3 and 4) and the chart pages (kinds 5, 6 and 7): the screen's trend
// and charts drawn through their own routines with page-sized geometry and paper line widths.
#include <QPainter>

#include "BarChartPainter.h"
#include "BpTrendPainter.h"
#include "FitLinePainter.h"
#include "PageDrawing.h"
#include "PageKinds.h"
#include "PieChartPainter.h"
#include "ReportContext.h"
#include "ReportPages.h"
#include "StringTable.h"

using namespace PageDrawing;

namespace {

QString ChartPageTitle(const ReportContext& c, int kind) {
    if (kind == PageKinds::BpCorrelation) return StringTable::label(57789);
    const QString period = StringTable::label(57775 + static_cast<int>(c.chartPeriod));
    return QString::asprintf(
        "%s (%s)",
        qUtf8Printable(StringTable::label(kind == PageKinds::BpHistogram ? 57787 : 57788)),
        qUtf8Printable(period));
}

} // namespace

// The page's geometry is its own layout object: the screen's trend keeps its frame and its
// full vertical scale whatever is printed.
void DrawTrendPage(QPainter& p, const QRect& page, const ReportContext& c, int kind) {
    DrawPageHeader(p, page, c);
    p.setFont(c.style.regular);
    TrendPaintOptions options;
    options.penWidth = c.style.lineWidth;
    options.fillBackground = false;
    options.form = kind == PageKinds::BarGraph ? TrendForm::Bars : TrendForm::Colour;
    options.unitFont = c.style.large;
    PaintBpTrend(p, page, c.record, PrintTrendFrame(page.size()), options);
}

void DrawChartPage(QPainter& p, const QRect& page, const ReportContext& c, int kind) {
    DrawPageHeader(p, page, c);
    const int W = page.width(), H = page.height();
    const QString title = ChartPageTitle(c, kind);
    p.setFont(c.style.large);
    const int t = TextHeight(p);
    const int w = p.fontMetrics().horizontalAdvance(title) / 2;
    const int below = Frac(H, 3, 22);
    Heading(p, c, title, W / 2 - w, below + t, below + 2 * t, W / 2 + w);

    const int left = kind == PageKinds::BpHistogram ? W / 12 : W / 18;
    const QRect target(left, below + 3 * t, Frac(W, 17, 18) - left,
                       Frac(H, 21, 22) - (below + 3 * t));
    ChartPaintOptions options;
    options.penWidth = c.style.lineWidth;
    options.lineWidth = c.style.scaledWidth(2);
    options.fillBackground = false;
    const ReadingSet& set = ChartSetOf(c.sets, c.chartPeriod);
    if (kind == PageKinds::BpHistogram)
        PaintBarCharts(p, target, set, c.record.test, options);
    else if (kind == PageKinds::BpPie)
        PaintPieCharts(p, target, set, c.record.test, c.chartBands, options, false);
    else
        PaintFitLine(p, target, c.sets, options);
}
