#pragma once

#include <QColor>
#include <QString>
#include <array>

#include "ReadingSetStats.h"

class QPainter;
class QPoint;

// Colours of the chart displays.
namespace ChartColours {
inline const QColor kPlotBackground{210, 180, 140};
inline const QColor kBackWall{250, 214, 167};
inline const QColor kBarFront{0, 255, 255};
inline const QColor kAbove{255, 0, 0};
inline const QColor kWithin{0, 255, 0};
inline const QColor kBelow{255, 255, 0};
inline const QColor kSystolic{255, 0, 0};  // fit line: systolic axis and y = f(x)
inline const QColor kDiastolic{0, 0, 255}; // fit line: diastolic axis and x = f(y)
} // namespace ChartColours

// How a chart is drawn on its device. The screen takes the defaults; a printed page scales
// the widths with the printer's resolution and leaves the paper white.
struct ChartPaintOptions {
    int penWidth = 1;  // outlines, grid lines and ticks
    int lineWidth = 2; // the fit line's axes and regression lines
    bool fillBackground = true;
};

// Each component halved: the shaded faces of bars and discs.
QColor HalfIntensity(const QColor& colour);
// Each component inverted: text and grid lines that must stand out on a colour.
QColor Inverse(const QColor& colour);

// Texts placed by the middle of their box or by their top-left corner, with the painter's font.
void DrawTextCentredAt(QPainter& painter, const QPoint& centre, const QString& text);
void DrawTextFromTopLeft(QPainter& painter, const QPoint& topLeft, const QString& text);
// A text whose right end lies at x and whose middle lies at y.
void DrawTextRightAlignedAt(QPainter& painter, int x, int y, const QString& text);

// The three quantities of the bar and pie charts, in their order on screen and paper.
struct ChartQuantity {
    ReadingSetStats::Quantity quantity;
    int titleId; // string id of its name
    const char* unit;
};

inline constexpr std::array<ChartQuantity, 3> kChartQuantities = {{
    {ReadingSetStats::Quantity::Systolic, 57726, "mmHg"},
    {ReadingSetStats::Quantity::Diastolic, 57727, "mmHg"},
    {ReadingSetStats::Quantity::HeartRate, 57656, "bpm"},
}};

// "<name> (mmHg)" or "<name> (bpm)", the chart titles.
QString ChartTitle(const ChartQuantity& quantity);
