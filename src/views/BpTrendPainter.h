#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <optional>

#include "TrendLayout.h"

class QPainter;

// Colours of the screen trend.
namespace TrendColours {
inline const QColor kBackground{172, 255, 255};
inline const QColor kBars{132, 130, 132};
inline const QColor kThresholds{0, 0, 255};
inline const QColor kHeartRate{255, 255, 0};
inline const QColor kReadingBox{198, 194, 198};
} // namespace TrendColours

// The screen's trend, or the bar form of the bar trend page: grey bars and a blue heart-rate
// line with filled dots, without the threshold lines.
enum class TrendForm { Colour, Bars };

struct TrendPaintOptions {
    int penWidth = 1;           // printed pages scale it with the printer's resolution
    bool fillBackground = true; // paper is left white
    TrendForm form = TrendForm::Colour;
    std::optional<QFont> unitFont; // "mmHg/BPM"; the painter's font when not given
};

// Lays out and draws the BP trend of the record into target: frame, unit, captions, value
// labels, the first and last reading's date and time, bars with caps, the heart-rate line and
// the threshold lines. The same routine serves the screen (ScreenTrendFrame) and a printed
// trend page (PrintTrendFrame, half the vertical scale). Returns the geometry it drew with.
TrendLayout PaintBpTrend(QPainter& painter, const QRect& target, const PatientRecord& record,
                         const TrendFrame& frame, const TrendPaintOptions& options = {});

// Draws an already computed layout; the painter's origin is the layout's top-left corner.
void PaintTrendLayout(QPainter& painter, const TrendLayout& layout, const PatientRecord& record,
                      const TrendPaintOptions& options = {});

// The hover display of reading index: a cursor line from the baseline up to the top and a box
// with its number, date, time, pressure, heart rate and comment (or "excluded!").
void PaintReadingBox(QPainter& painter, const TrendLayout& layout, const PatientRecord& record,
                     int index);
