#pragma once

#include <QFontMetrics>
#include <QLineF>
#include <QRect>
#include <optional>

#include "ChartPainting.h"
#include "ReadingSets.h"

struct Regression;

// The scatter's value box: systolic 0 to 250 mmHg across, diastolic 0 to 200 mmHg up.
inline constexpr double kFitLineMaxSystolic = 250.0;
inline constexpr double kFitLineMaxDiastolic = 200.0;

// The part of a regression line inside the value box, in mmHg (x systolic, y diastolic);
// nothing when it misses the box. A line with zero slope stands at its intercept and only
// when that is not negative.
std::optional<QLineF> YOnXSegment(double slope, double intercept); // y = slope x + intercept
std::optional<QLineF> XOnYSegment(double slope, double intercept); // x = slope y + intercept

// Where the scatter and its texts lie within the target.
struct FitLineLayout {
    QRect plot;           // the value box on the device
    int pointRadius = 0;  // an eighth of the text height
    QPoint textTopLeft;   // the first of the text lines below the plot
    QPoint legendTopLeft; // the two legend entries, inside the plot's top right corner
    int sampleLineWidth = 0;

    // A value pair on the device: x = left + width * s * 0.004, y = bottom - height * d * 0.005.
    QPoint pointOf(double systolic, double diastolic) const;
};

FitLineLayout LayoutFitLine(const QRect& target, const QFontMetrics& fm);

// The systolic/diastolic scatter of the awake (white) and asleep (black) readings with the
// legend, both regression lines clipped to the value box, and below the plot the two
// dependence texts with their sample lines, the distribution centre and the correlation.
void PaintFitLine(QPainter& painter, const QRect& target, const ReadingSets& sets,
                  const ChartPaintOptions& options = {});
