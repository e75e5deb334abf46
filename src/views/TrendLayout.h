#pragma once

#include <QPoint>
#include <QPolygon>
#include <QSize>
#include <vector>

#include "PatientRecord.h"

// Where the trend graph's margin, top and baseline lie and how tall it is drawn.
struct TrendFrame {
    int x0 = 0;                  // left margin, pixels
    int y0 = 0;                  // baseline, pixels
    int top = 0;                 // top of the plot frame, pixels
    double verticalFactor = 1.0; // 0.5 on a printed trend page
};

// The screen's frame: x0 = W / 20, y0 = (H - 40) * 21 / 25, the bottom bar taking 40 pixels,
// and the top at 80 on the design grid.
TrendFrame ScreenTrendFrame(QSize size);
// A printed page's frame: x0 = W / 20, y0 = H * 17 / 25, half the vertical scale. The page
// header's box ends at 3H / 22; the plot starts 80 design units below it, so that neither the
// frame nor the unit runs through the header's texts.
TrendFrame PrintTrendFrame(QSize size);

// Upper and lower value of the graph, mmHg.
struct TrendValueRange {
    int vMax = 0;
    int vMin = 0;
};
// Highest systolic and lowest diastolic or heart rate of the readings that take part in the
// analysis, widened so that the awake thresholds always lie inside.
TrendValueRange ValueRangeOf(const TestRecord& test, const BpThresholds& thresholds);

// The bar and heart-rate point of a reading that takes part in the analysis; excluded and
// failed readings have none.
struct TrendBar {
    int index = 0; // position of the reading in the test
    int x = 0;
    int ySystolic = 0;
    int yDiastolic = 0;
    int yHeartRate = 0;
};

// A value label on the vertical axis; its small tick belongs to the value 5 above it.
struct TrendLabel {
    int value = 0;
    int y = 0;
};

// The whole geometry of one trend drawing, in pixels of its target. Fixed positions are given
// on a 1600 x 1000 design grid and scaled by sx and sy.
struct TrendLayout {
    QSize size;
    TrendFrame frame;
    float sx = 0.0f; // W / 1600
    float sy = 0.0f; // H / 1000
    TrendValueRange range;
    int lowestLabel = 0;        // L0: 10 * (Vmin / 10) - 10
    double pixelsPerMmHg = 0.0; // 0.57 * H / (Vmax - Vmin)
    double step = 0.0;          // horizontal distance of two readings
    int plotRight = 0;          // x0 + 7 * W / 8: where the reading axis ends

    std::vector<int> readingX;  // every reading, included or not
    std::vector<TrendBar> bars; // readings that take part in the analysis only
    QPolygon heartRate;
    QPolygon systolicThreshold;
    QPolygon diastolicThreshold;
    std::vector<TrendLabel> labels; // only those at or below the frame's top
    std::vector<int> halfTicks;     // y of the ticks 5 above a label, likewise

    int x0() const { return frame.x0; }
    int y0() const { return frame.y0; }
    int designX(double units) const { return static_cast<int>(units * sx); }
    int designY(double units) const { return static_cast<int>(units * sy); }
    int frameTop() const { return frame.top; }
    int frameRight() const { return designX(1540); }
    int readingCount() const { return static_cast<int>(readingX.size()); }
    // y of a value: y0 - (v - L0) * p * f, truncated.
    int yOf(int value) const;
};

TrendLayout LayoutTrend(const PatientRecord& record, QSize size, const TrendFrame& frame);

// The reading the pointer hovers, -1 for none. Only meaningful inside the hover region.
bool InHoverRegion(const TrendLayout& layout, QPoint point);
int HoveredReadingAt(const TrendLayout& layout, QPoint point);
// The reading a left click at the point toggles, -1 for none.
int ClickedReadingAt(const TrendLayout& layout, QPoint point);
