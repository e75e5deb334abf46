#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QRect>
#include <array>
#include <span>

#include "ChartPainting.h"
#include "ChartSettings.h"

// One slice of a pie in whole degrees, counter-clockwise from three o'clock.
struct PieSlice {
    int start = 0;
    int end = 0;
    QColor colour;

    bool isEmpty() const { return start == end; }
    // "%.1f%%" of the slice's share of the circle, in steps of 1/360.
    QString label() const;
};

// Above, within and below the band, from the cumulative fractions truncated to whole degrees.
std::array<PieSlice, 3> PieSlicesOf(const ReadingSetStats::LoadFractions& loads);

// Where one of the three pies lies: the top disc's centre and radii, how many layers it
// stands on, the top-left corner of its title and text lines, and where its band controls go.
struct PieChartFrame {
    QRect row;
    QPoint centre;
    int radiusX = 0;
    int radiusY = 0;
    int layers = 0;
    QPoint textTopLeft;
    QPoint controlsTopLeft;
};

struct PieChartLayout {
    std::array<PieChartFrame, 3> pies;
    // What the pies and their texts cover; band edits repaint only this.
    QRect area;
    // The width of "01234567890123", the column measure of the band controls.
    int columnWidth = 0;
};

// Three pies one above the other below a top margin of a twentieth of the height, each with
// its texts beside it. With room for controls they keep to the left two thirds of the width
// (plus twice the width of "88"), leaving the rest for the band controls.
PieChartLayout LayoutPieCharts(const QRect& target, const QFontMetrics& fm,
                               bool roomForControls = true);

// Pie charts of systolic, diastolic and heart rate for one reading set and the bands: each a
// layered disc of the slices above, within and below its band with their percentages, and
// beside it the title, the highest and lowest value with their clock times, the mean and the
// band limits. Returns the geometry it drew with.
PieChartLayout PaintPieCharts(QPainter& painter, const QRect& target,
                              std::span<const BpReading> set, const TestRecord& test,
                              const ChartBands& bands, const ChartPaintOptions& options = {},
                              bool roomForControls = true);
