#pragma once

#include <QFontMetrics>
#include <QRect>
#include <array>
#include <span>

#include "ChartPainting.h"
#include "ReadingSetStats.h"

// The fixed bins of one bar chart: (high - low) / step bins over (low, high].
struct BarChartBins {
    int low;
    int high;
    int step;

    int binCount() const { return (high - low) / step; }
};

// Systolic, diastolic and heart rate, as kChartQuantities.
inline constexpr std::array<BarChartBins, 3> kBarChartBins = {{
    {80, 210, 10},
    {40, 180, 10},
    {40, 180, 10},
}};

// Where one of the three bar charts lies: its title's middle, the front face of its box (the
// percentages run from its bottom, 0 %, to its top, 100 %) and how deep the box looks.
struct BarChartFrame {
    QPoint titleCentre;
    QRect plot;
    int depth = 0;
    double binWidth = 0.0;

    // The floor line, 0 %: one below the plot's last row.
    int base() const { return plot.top() + plot.height(); }
    int yOfPercent(double percent) const;
    // Left edge of bin k.
    int xOfBin(int k) const;
};

// Three charts side by side below a top margin of a twentieth of the height; everything
// else follows from the target and the font.
std::array<BarChartFrame, 3> LayoutBarCharts(const QRect& target, const QFontMetrics& fm);

// Bar charts of systolic, diastolic and heart rate for one reading set: a three-dimensional
// box with dotted percentage lines, the bin bounds along the base and a bar with its
// percentage for every bin that holds readings.
void PaintBarCharts(QPainter& painter, const QRect& target, std::span<const BpReading> set,
                    const TestRecord& test, const ChartPaintOptions& options = {});
