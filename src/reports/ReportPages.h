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
// Kinds 10 to 50: data page kind - 10, 45 readings each.
void DrawDataPage(QPainter& painter, const QRect& page, const ReportContext& context, int kind);
