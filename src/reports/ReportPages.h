#pragma once

#include <QRect>

class QPainter;
struct ReportContext;

// The page routines. Each draws one page of the given kind completely, starting with the
// page header, on a page of W x H device pixels with its origin at the top-left corner.
using PageRoutine = void (*)(QPainter& painter, const QRect& page, const ReportContext& context,
                             int kind);

void DrawPatientDataPage(QPainter& painter, const QRect& page, const ReportContext& context,
                         int kind);
void DrawSummaryStatisticsPage(QPainter& painter, const QRect& page, const ReportContext& context,
                               int kind);
void DrawAmbulatorySummaryPage(QPainter& painter, const QRect& page, const ReportContext& context,
                               int kind);
// The clinical summary: validity, guideline verdicts, dipping, morning surge, variability.
void DrawClinicalSummaryPage(QPainter& painter, const QRect& page, const ReportContext& context,
                             int kind);
// Kinds 3 (the screen's trend) and 4 (its bar form), half the screen's vertical scale.
void DrawTrendPage(QPainter& painter, const QRect& page, const ReportContext& context, int kind);
// Kinds 5 (bar charts), 6 (pie charts) and 7 (fit line) of the period chosen for the charts.
void DrawChartPage(QPainter& painter, const QRect& page, const ReportContext& context, int kind);
void DrawFrequencyHistogramPage(QPainter& painter, const QRect& page, const ReportContext& context,
                                int kind);
void DrawHrMapPpHistogramPage(QPainter& painter, const QRect& page, const ReportContext& context,
                              int kind);
// Kinds 10 to 50: data page kind - 10, 45 readings each.
void DrawDataPage(QPainter& painter, const QRect& page, const ReportContext& context, int kind);
// The SpO2 pages: summary (51), quantitative analysis (52), strip chart (53) and page
// kind - 54 of the full analysis report.
void DrawSpo2SummaryPage(QPainter& painter, const QRect& page, const ReportContext& context,
                         int kind);
void DrawSpo2QuantitativePage(QPainter& painter, const QRect& page, const ReportContext& context,
                              int kind);
void DrawSpo2StripChartPage(QPainter& painter, const QRect& page, const ReportContext& context,
                            int kind);
void DrawSpo2FullReportPage(QPainter& painter, const QRect& page, const ReportContext& context,
                            int kind);
