#pragma once

#include <QColor>
#include <QRect>

#include "TrendLayout.h"

class QPainter;
struct AppState;

// Colours of the screen trend.
namespace TrendColours {
inline const QColor kBackground{172, 255, 255};
inline const QColor kBars{132, 130, 132};
inline const QColor kThresholds{0, 0, 255};
inline const QColor kHeartRate{255, 255, 0};
inline const QColor kReadingBox{198, 194, 198};
} // namespace TrendColours

struct TrendPaintOptions {
    int baseline = -1;          // -1: the screen's baseline (H - 40) * 21 / 25
    int penWidth = 1;           // printed pages scale it with the printer's resolution
    bool fillBackground = true; // paper is left white
};

// Draws the BP trend of the loaded record into target: frame, unit, captions, value labels,
// the first and last reading's date and time, bars with caps, the heart-rate line and the
// threshold lines. The same routine serves the screen (factor 1.0) and a printed trend page
// (factor 0.5). Returns the geometry it drew with.
TrendLayout PaintBpTrend(QPainter& painter, const QRect& target, const AppState& state,
                         double verticalFactor, const TrendPaintOptions& options = {});

// Draws an already computed layout; the painter's origin is the layout's top-left corner.
void PaintTrendLayout(QPainter& painter, const TrendLayout& layout, const PatientRecord& record,
                      const TrendPaintOptions& options = {});

// The hover display of reading index: a cursor line from the baseline up to the top and a box
// with its number, date, time, pressure, heart rate and comment (or "excluded!").
void PaintReadingBox(QPainter& painter, const TrendLayout& layout, const PatientRecord& record,
                     int index);
