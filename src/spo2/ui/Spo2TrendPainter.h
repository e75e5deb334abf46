#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <map>
#include <vector>

#include "Spo2Event.h"
#include "Spo2TrendCurve.h"

class QPainter;
class Spo2Analysis;
struct Spo2Series;
struct Spo2TrendState;

// The value axis of one pane: a grid line every step from minimum to maximum, a value label
// every labelStep.
struct Spo2PaneScale {
    int minimum;
    int maximum;
    int step;
    int labelStep;
};

struct Spo2TrendStyle {
    QString spo2Title; // above each pane
    QString pulseTitle;
    QColor background; // invalid: the background is left as it is
    QColor text;
    QColor frame;
    QColor grid;
    QColor spo2Curve;
    QColor pulseCurve;
    QColor critical;   // the critical level line
    QColor eventBand;  // behind an event's time span
    QColor eventCurve; // the curve over an event
    int penWidth = 1;
    // SpO2 from 50 % (a deep desaturation still shows) to 100 %; pulse from 30 to 150 bpm.
    Spo2PaneScale spo2Scale{50, 100, 10, 10};
    Spo2PaneScale pulseScale{30, 150, 20, 20};

    // Light curves on black, as monitors show them.
    static Spo2TrendStyle Screen();
    // Black on white paper, events in grey and dark red.
    static Spo2TrendStyle Paper(int penWidth);
};

// The curves of the whole series for one window and plot width, built again only when one
// of them or the series changes.
class Spo2TrendCurves {
  public:
    const std::vector<TrendPoint>& spo2() const { return m_spo2; }
    const std::vector<TrendPoint>& pulse() const { return m_pulse; }
    void update(const Spo2Analysis& analysis, int window, int plotWidth);
    void invalidate() { m_window = -1; }

  private:
    std::vector<TrendPoint> m_spo2;
    std::vector<TrendPoint> m_pulse;
    int m_window = -1;
    int m_plotWidth = -1;
    const int* m_data = nullptr;
    std::size_t m_length = 0;
};

// Where the parts of the trend lie inside the drawing area.
struct Spo2TrendGeometry {
    QRect area;
    int plotLeft = 0;
    int plotWidth = 0;
    QRect spo2Pane;
    QRect pulsePane;
    int headerBaseline = 0; // the SpO2 title and the calendar time
    int timeBaseline = 0;   // elapsed-time labels under the pulse pane
};

// Panes stacked in area for the painter's current font: the SpO2 pane (55 % of the height
// left) and the pulse pane, each with its title line above it, and a line of elapsed-time
// labels below. The calendar time stands at the right end of the SpO2 title line. The value
// scales take the width of "0123456789".
Spo2TrendGeometry LayoutSpo2Trend(const QPainter& painter, const QRect& area);

// One stretch of the series: `window` seconds from second `offset`.
struct Spo2Stretch {
    int offset = 0;
    int window = 0;
    int gridStep = 60;
    int criticalLevel = 88;
};

// Draws panes, scales, titles, the critical level and, for a window of at least one second,
// the time grid with its labels, the calendar time of the first second, the curves and the
// events of the stretch.
void PaintSpo2Stretch(QPainter& painter, const Spo2TrendGeometry& geometry,
                      const Spo2Stretch& stretch, const Spo2Analysis& analysis,
                      const Spo2Series& series, const Spo2TrendCurves& curves,
                      const Spo2TrendStyle& style);

// The screen trend of the state into area: curves brought up to date, then the stretch.
void PaintSpo2Trend(QPainter& painter, const QRect& area, const Spo2TrendState& state,
                    const Spo2Analysis& analysis, const Spo2Series& series,
                    Spo2TrendCurves& curves);
