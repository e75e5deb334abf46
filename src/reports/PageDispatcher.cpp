#include "PageDispatcher.h"

#include <QPainter>
#include <climits>

#include "PageKinds.h"

using namespace PageKinds;

namespace {

constexpr PageKindEntry kPageKinds[] = {
    {"demographics", Demographics, Demographics, &DrawPatientDataPage},
    {"statistics", Statistics, Statistics, &DrawSummaryStatisticsPage},
    {"summary", BpSummary, BpSummary, &DrawAmbulatorySummaryPage},
    {"clinical", ClinicalSummaryPage, ClinicalSummaryPage, &DrawClinicalSummaryPage},
    {"colour-trend", ColorizedGraph, ColorizedGraph, &DrawTrendPage},
    {"bar-trend", BarGraph, BarGraph, &DrawTrendPage},
    {"bar-chart", BpHistogram, BpHistogram, &DrawChartPage},
    {"pie", BpPie, BpPie, &DrawChartPage},
    {"fit-line", BpCorrelation, BpCorrelation, &DrawChartPage},
    {"frequency", FrequencyHistogram, FrequencyHistogram, &DrawFrequencyHistogramPage},
    {"hr-map-pp", HrMapPpHistogram, HrMapPpHistogram, &DrawHrMapPpHistogramPage},
    {"data", FirstDataPage, LastDataPage, &DrawDataPage},
    {nullptr, Spo2Summary, Spo2Summary, &DrawSpo2SummaryPage},
    {nullptr, Spo2Quantitative, Spo2Quantitative, &DrawSpo2QuantitativePage},
    {nullptr, Spo2StripChart, Spo2StripChart, &DrawSpo2StripChartPage},
    {nullptr, FirstSpo2FullPage, INT_MAX, &DrawSpo2FullReportPage},
};

} // namespace

std::span<const PageKindEntry> PageKindTable() {
    return kPageKinds;
}

const PageKindEntry* PageKindOfWord(std::string_view word) {
    for (const PageKindEntry& e : kPageKinds)
        if (e.word && word == e.word) return &e;
    return nullptr;
}

const PageKindEntry* PageKindEntryOf(int kind) {
    for (const PageKindEntry& e : kPageKinds)
        if (kind >= e.firstKind && kind <= e.lastKind) return &e;
    return nullptr;
}

bool IsPageBuilt(int kind) {
    const PageKindEntry* e = PageKindEntryOf(kind);
    return e && e->draw;
}

void DrawReportPage(QPainter& painter, const QRect& page, const ReportContext& context, int kind) {
    const PageKindEntry* e = PageKindEntryOf(kind);
    if (!e || !e->draw) return;
    painter.save();
    painter.translate(page.topLeft());
    e->draw(painter, QRect(0, 0, page.width(), page.height()), context, kind);
    painter.restore();
}
