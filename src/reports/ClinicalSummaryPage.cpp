// The clinical summary page: validity, the period means against the guideline's thresholds,
// the night-time dip, the morning surge, the variability with the AASI and a paragraph that
// reads the figures out.
#include <QPainter>
#include <QTextLayout>
#include <array>

#include "ClinicalTexts.h"
#include "PageDrawing.h"
#include "ReportContext.h"
#include "ReportPages.h"

using namespace PageDrawing;

namespace {

// Left edges of the period table's columns, in 180ths of the width.
constexpr std::array<int, 6> kPeriodColumns = {11, 34, 52, 82, 112, 142};
// Left edges of the variability table's value columns (systolic, diastolic).
constexpr std::array<int, 2> kVariabilityColumns = {90, 125};

void PeriodTable(QPainter& p, const ReportContext& c, const ClinicalTexts& t, const TextGrid& g,
                 int firstRow) {
    p.setFont(c.style.semiBold);
    for (std::size_t k = 0; k < kPeriodColumns.size(); ++k)
        TextAt(p, Frac(g.W, kPeriodColumns[k], 180), g.row(firstRow),
               t.periodColumns.value(static_cast<qsizetype>(k)));
    p.setFont(c.style.regular);
    for (std::size_t r = 0; r < t.periods.size(); ++r) {
        const ClinicalTexts::PeriodRow& row = t.periods[r];
        const std::array<QString, 6> cells = {row.period,    row.count,     row.mean,
                                              row.heartRate, row.threshold, row.verdict};
        for (std::size_t k = 0; k < cells.size(); ++k)
            TextAt(p, Frac(g.W, kPeriodColumns[k], 180), g.row(firstRow + 1 + static_cast<int>(r)),
                   cells[k]);
    }
}

// One row per figure, one column per pressure: six figures side by side would not fit their
// headings on the page.
void VariabilityTable(QPainter& p, const ReportContext& c, const ClinicalTexts& t,
                      const TextGrid& g, int firstRow) {
    p.setFont(c.style.semiBold);
    for (std::size_t k = 0; k < t.variability.size(); ++k)
        TextAt(p, Frac(g.W, kVariabilityColumns[k], 180), g.row(firstRow),
               t.variability[k].quantity);
    p.setFont(c.style.regular);
    for (int r = 0; r < t.variabilityColumns.size(); ++r) {
        const int y = g.row(firstRow + 1 + r);
        TextAt(p, g.left(), y, t.variabilityColumns[r]);
        for (std::size_t k = 0; k < t.variability.size(); ++k)
            TextAt(p, Frac(g.W, kVariabilityColumns[k], 180), y,
                   t.variability[k].cells[static_cast<std::size_t>(r)]);
    }
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
    PeriodTable(p, c, t, g, 15);
    TextAt(p, left, g.row(20), t.dipping);
    TextAt(p, left, g.row(21), t.morningSurge);
    VariabilityTable(p, c, t, g, 23);
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
