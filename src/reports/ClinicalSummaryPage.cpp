// The clinical summary page: validity, the period means against the guideline's thresholds,
// the night-time dip, the morning surge, the variability with the AASI and a paragraph that
// reads the figures out.
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "ClinicalTexts.h"
#include "PageDrawing.h"
#include "ReportContext.h"
#include "ReportPages.h"

using namespace PageDrawing;

namespace {

// A table: a heading row in the semi-bold font, then rows of cells in the regular one.
struct Table {
    std::vector<int> places; // left edges of the columns, in 180ths of the width
    QStringList headings;
    std::vector<QStringList> rows;
};

// Each column stands at its place, or further right where the column before holds a wider text
// (a translated heading), so that no two texts run together.
void DrawTable(QPainter& p, const ReportContext& c, const TextGrid& g, const Table& t,
               int firstRow) {
    const QFontMetrics bold(c.style.semiBold, p.device()), regular(c.style.regular, p.device());
    std::vector<int> x(t.places.size());
    for (std::size_t k = 0; k < x.size(); ++k) {
        x[k] = Frac(g.W, t.places[k], 180);
        if (k == 0) continue;
        int width = bold.horizontalAdvance(t.headings.value(qsizetype(k - 1)));
        for (const QStringList& row : t.rows)
            width = std::max(width, regular.horizontalAdvance(row.value(qsizetype(k - 1))));
        x[k] = std::max(x[k], x[k - 1] + width + Frac(g.W, 2, 180));
    }
    p.setFont(c.style.semiBold);
    for (std::size_t k = 0; k < x.size(); ++k)
        TextAt(p, x[k], g.row(firstRow), t.headings.value(qsizetype(k)));
    p.setFont(c.style.regular);
    for (std::size_t r = 0; r < t.rows.size(); ++r)
        for (std::size_t k = 0; k < x.size(); ++k)
            TextAt(p, x[k], g.row(firstRow + 1 + static_cast<int>(r)),
                   t.rows[r].value(qsizetype(k)));
}

Table PeriodTable(const ClinicalTexts& t) {
    Table table{{11, 34, 52, 82, 112, 142}, t.periodColumns, {}};
    for (const ClinicalTexts::PeriodRow& r : t.periods)
        table.rows.push_back({r.period, r.count, r.mean, r.heartRate, r.threshold, r.verdict});
    return table;
}

// One row per figure, one column per pressure: six figures side by side would not leave room
// for their headings.
Table VariabilityTable(const ClinicalTexts& t) {
    Table table{
        {11, 90, 125}, {QString(), t.variability[0].quantity, t.variability[1].quantity}, {}};
    for (int r = 0; r < t.variabilityColumns.size(); ++r) {
        const auto cell = static_cast<std::size_t>(r);
        table.rows.push_back(
            {t.variabilityColumns[r], t.variability[0].cells[cell], t.variability[1].cells[cell]});
    }
    return table;
}

// The paragraph broken into lines of at most `width`, in the painter's font.
QStringList WrappedLines(const QPainter& p, const QString& text, int width) {
    QTextLayout layout(text, p.font(), p.device());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    return lines;
}

} // namespace

void DrawClinicalSummaryPage(QPainter& p, const QRect& page, const ReportContext& c, int) {
    DrawPageHeader(p, page, c);
    const TextGrid g(page);
    const int W = g.W, H = g.H, left = g.left();
    const ClinicalTexts t =
        ClinicalTexts::Of(ComputeClinicalSummary(c.record.test, c.sets, c.guideline));

    Heading(p, c, t.heading, Frac(W, 36, 80), Frac(H, 9, 60), Frac(H, 10, 60), Frac(W, 44, 80));
    TextAt(p, left, g.row(12), t.guideline);
    TextAt(p, left, g.row(13), t.validity);
    DrawTable(p, c, g, PeriodTable(t), 15);
    TextAt(p, left, g.row(20), t.dipping);
    TextAt(p, left, g.row(21), t.morningSurge);
    DrawTable(p, c, g, VariabilityTable(t), 23);
    TextAt(p, left, g.row(31), t.aasi);

    Heading(p, c, ClinicalTexts::tr("结论"), left, g.row(33), g.row(34), Frac(W, 30, 180));
    const int boxLeft = W / 18, boxRight = Frac(W, 17, 18);
    BoxLines(p, c, boxLeft, g.row(35), boxRight, g.row(67));
    const int inset = W / 15 - boxLeft;
    const QStringList lines = WrappedLines(p, t.interpretation, boxRight - boxLeft - 2 * inset);
    // The box holds 31 lines; the paragraph never needs as many.
    for (int i = 0; i < lines.size() && i < 31; ++i)
        TextAt(p, W / 15, g.row(36 + i), lines[i]);
}
