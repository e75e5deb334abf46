// The SpO2 report pages: summary (kind 51), quantitative analysis (52), strip chart (53) and
// the pages of the full analysis report (54 + p). Each starts with its title and the patient
// block; the pipeline adds them only for a record with SpO2 data.
#include <QPainter>

#include "PageDrawing.h"
#include "PageKinds.h"
#include "ReportContext.h"
#include "ReportPages.h"
#include "Spo2Analysis.h"
#include "Spo2ReportParts.h"
#include "Spo2TrendPainter.h"
#include "Spo2TrendState.h"
#include "StringTable.h"

using namespace PageDrawing;
using namespace Spo2ReportParts;

namespace {

// Title and patient block; returns the y below them.
int PageTop(QPainter& p, const ReportContext& c, const QRect& page, int titleId) {
    const int W = page.width(), H = page.height();
    const int below = Title(p, c, W, Frac(H, 1, 40), StringTable::label(titleId));
    return PatientBlock(p, c, Frac(W, 1, 12), below + Frac(H, 1, 100));
}

// The content's left and right edges.
int Left(const QRect& page) {
    return Frac(page.width(), 1, 12);
}
int Right(const QRect& page) {
    return Frac(page.width(), 11, 12);
}

// The stretches in strips one below the other between top and the page's foot, each taking
// 1 / places of the height.
void Strips(QPainter& p, const ReportContext& c, const QRect& page, int top,
            const std::vector<Spo2Stretch>& stretches, int places) {
    const int H = page.height();
    const int count = static_cast<int>(stretches.size());
    if (count == 0 || places < count) return;
    const int bottom = Frac(H, 96, 100);
    const int gap = Frac(H, 1, 100);
    const int height = (bottom - top) / places;
    for (int i = 0; i < count; ++i) {
        const int y = top + i * height;
        Strip(p, c, QRect(Left(page), y, Right(page) - Left(page), height - gap),
              stretches[static_cast<std::size_t>(i)]);
    }
}

int CriticalLevel(const ReportContext& c) {
    return c.spo2Analysis ? c.spo2Analysis->criticalLevel() : Spo2Parameters{}.criticalLevel;
}

int SeriesLength(const ReportContext& c) {
    return c.spo2Analysis ? c.spo2Analysis->seriesLength() : 0;
}

} // namespace

namespace {

// The event chart from top, eventPercent of the page tall, the overview chart below it and
// the signature lines at the foot.
void ChartsAndSignatures(QPainter& p, const ReportContext& c, const QRect& page, int top,
                         int eventPercent) {
    const int H = page.height(), width = Right(page) - Left(page);
    const int eventHeight = Frac(H, eventPercent, 100);
    EventChart(p, c, QRect(Left(page), top, width, eventHeight));
    const int overviewTop = top + eventHeight + Frac(H, 1, 100);
    OverviewChart(p, c, QRect(Left(page), overviewTop, width, Frac(H, 92, 100) - overviewTop));
    SignatureLines(p, c, page.width(), Frac(H, 95, 100));
}

} // namespace

void DrawSpo2SummaryPage(QPainter& p, const QRect& page, const ReportContext& c, int) {
    const int H = page.height();
    const int top = PageTop(p, c, page, 57763) + Frac(H, 2, 100);
    const int tableBottom =
        SummaryTable(p, c, QRect(Left(page), top, Frac(page.width(), 7, 12), 0));
    ChartsAndSignatures(p, c, page, tableBottom + Frac(H, 3, 100), 12);
}

void DrawSpo2QuantitativePage(QPainter& p, const QRect& page, const ReportContext& c, int) {
    const int W = page.width(), H = page.height();
    const int title = Title(p, c, W, Frac(H, 1, 40), StringTable::label(57767));
    const int blockTop = title + Frac(H, 1, 100);
    const int patientBottom = PatientBlock(p, c, Left(page), blockTop);
    const int parameterBottom = ParameterBlock(p, c, Frac(W, 1, 2), blockTop);
    const int top = std::max(patientBottom, parameterBottom) + Frac(H, 1, 100);
    // Two columns: the summary and the distribution of SpO2 on the left, the level table and
    // the distribution of events on the right.
    const int half = Frac(W, 1, 2), gap = Frac(W, 1, 50);
    const int leftWidth = half - gap - Left(page), rightWidth = Right(page) - half - gap;
    const int summaryBottom = SummaryTable(p, c, QRect(Left(page), top, leftWidth, 0));
    const int levelBottom = LevelTable(p, c, QRect(half + gap, top, rightWidth, 0));
    const int chartsTop = std::max(summaryBottom, levelBottom) + Frac(H, 2, 100);
    const int chartsHeight = Frac(H, 13, 100);
    Spo2DistributionChart(p, c, QRect(Left(page), chartsTop, leftWidth, chartsHeight));
    EventDistributionChart(p, c, QRect(half + gap, chartsTop, rightWidth, chartsHeight));
    ChartsAndSignatures(p, c, page, chartsTop + chartsHeight + Frac(H, 1, 100), 10);
}

// The whole recording in four strips of equal length.
void DrawSpo2StripChartPage(QPainter& p, const QRect& page, const ReportContext& c, int) {
    const int top = PageTop(p, c, page, 57768) + Frac(page.height(), 2, 100);
    constexpr int kStrips = 4;
    const int length = SeriesLength(c);
    const int window = (length + kStrips - 1) / kStrips;
    std::vector<Spo2Stretch> strips;
    for (int i = 0; i < kStrips && window > 0; ++i)
        strips.push_back(
            {i * window, window, Spo2TrendState::GridStepOf(window), CriticalLevel(c)});
    Strips(p, c, page, top, strips, kStrips);
}

// Page p of the full report: the strips 3p, 3p + 1 and 3p + 2, one window each.
void DrawSpo2FullReportPage(QPainter& p, const QRect& page, const ReportContext& c, int kind) {
    const int index = kind - PageKinds::FirstSpo2FullPage;
    const int top = PageTop(p, c, page, 57769);
    // Which page of how many, at the right of the title.
    p.setFont(c.style.regular);
    const QString number = QStringLiteral("%1 / %2").arg(index + 1).arg(
        std::max(index + 1, c.pages.spo2FullPageCount));
    p.drawText(QRect(0, Frac(page.height(), 1, 40), Right(page), TextHeight(p)),
               Qt::AlignRight | Qt::AlignTop, number);
    const int window = c.spo2Window;
    const int length = SeriesLength(c);
    std::vector<Spo2Stretch> strips;
    for (int s = 3 * index; s < 3 * index + 3 && window > 0; ++s) {
        const long long offset = static_cast<long long>(s) * window;
        if (offset >= length) break;
        strips.push_back({static_cast<int>(offset), window, Spo2TrendState::GridStepOf(window),
                          CriticalLevel(c)});
    }
    // Three places on every page, so a strip is as tall on the last page as on the others.
    Strips(p, c, page, top + Frac(page.height(), 2, 100), strips, 3);
}
