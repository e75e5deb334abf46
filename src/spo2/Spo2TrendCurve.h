#pragma once

#include <vector>

// One point of a trend curve: the samples it stands for start at `first`; `value` is what it
// draws (0 only when no point before it had data).
struct TrendPoint {
    int first = 0;
    int value = 0;
};

// The points of a whole per-second series for a window of `window` seconds on a plot
// `plotWidth` pixels wide: at most one point per pixel and never more than one per sample.
// A point standing for several samples takes the mean of those that carry data; a point
// without data keeps the value of the point before it, so a gap draws flat. An empty window
// or series gives no points.
std::vector<TrendPoint> BuildTrendPoints(const std::vector<int>& values, int window, int plotWidth);

// The y of value on a pane from top to bottom showing axisMin to axisMax. Values below the
// axis lie on the bottom, values above it on the top.
int TrendY(int value, int axisMin, int axisMax, int top, int bottom);

// Index of the first point that starts at or after sample `first` (points.size() when none).
std::size_t FirstPointFrom(const std::vector<TrendPoint>& points, int first);
