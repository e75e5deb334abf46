#include "Spo2TrendPainter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "Spo2Analysis.h"
#include "Spo2Parameters.h"
#include "Spo2Series.h"
#include "Spo2TrendState.h"

namespace {

QString Latin(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QPen PenOf(const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// The drawing of one stretch: everything the parts share.
class StretchPainter {
  public:
    StretchPainter(QPainter& painter, const Spo2TrendGeometry& g, const Spo2Stretch& stretch,
                   const Spo2TrendStyle& style)
        : p(painter), g(g), s(stretch), style(style), fm(painter.fontMetrics()) {}

    int xOf(long long second) const {
        return g.plotLeft +
               static_cast<int>((second - s.offset) * g.plotWidth / std::max(1, s.window));
    }
    void pane(const QRect& pane, const Spo2PaneScale& scale, const QString& title) const;
    void criticalLevel() const;
    void timeGrid() const;
    void events(const std::map<int, Spo2Event>& events, const std::vector<TrendPoint>& points,
                const QRect& pane, const Spo2PaneScale& scale, bool bands) const;
    void curve(const std::vector<TrendPoint>& points, std::size_t from, std::size_t to,
               const QRect& pane, const Spo2PaneScale& scale, const QPen& pen) const;
    // The points a stretch of seconds shows, with one neighbour on each side so the curve
    // runs on to the plot's edges.
    std::pair<std::size_t, std::size_t> visible(const std::vector<TrendPoint>& points,
                                                long long from, long long to) const;

  private:
    QPainter& p;
    const Spo2TrendGeometry& g;
    const Spo2Stretch& s;
    const Spo2TrendStyle& style;
    const QFontMetrics fm;
};

int YOf(int value, const QRect& pane, const Spo2PaneScale& scale) {
    return TrendY(value, scale.minimum, scale.maximum, pane.top(), pane.bottom());
}

void StretchPainter::pane(const QRect& pane, const Spo2PaneScale& scale,
                          const QString& title) const {
    const int gap = std::max(2, fm.height() / 4);
    p.setPen(PenOf(style.grid, style.penWidth, Qt::DotLine));
    const int step = std::max(1, scale.step);
    for (int v = scale.minimum + step; v < scale.maximum; v += step) {
        const int y = YOf(v, pane, scale);
        p.drawLine(pane.left(), y, pane.right(), y);
    }
    p.setPen(PenOf(style.text, style.penWidth));
    // A low pane labels fewer values rather than letting them run into each other.
    const int range = std::max(1, scale.maximum - scale.minimum);
    int labelStep = std::max(1, scale.labelStep);
    while (labelStep < range && labelStep * pane.height() / range < fm.height() * 3 / 2)
        labelStep *= 2;
    for (int v = scale.minimum; v <= scale.maximum; v += labelStep) {
        const QString label = QString::number(v);
        const int y = YOf(v, pane, scale) + (fm.ascent() - fm.descent()) / 2;
        p.drawText(pane.left() - gap - fm.horizontalAdvance(label), y, label);
    }
    p.drawText(pane.left(), pane.top() - fm.descent() - gap, title);
    p.setPen(PenOf(style.frame, style.penWidth));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pane);
}

void StretchPainter::criticalLevel() const {
    const QRect& pane = g.spo2Pane;
    const int y = YOf(s.criticalLevel, pane, style.spo2Scale);
    p.setPen(PenOf(style.critical, style.penWidth, Qt::DashLine));
    p.drawLine(pane.left(), y, pane.right(), y);
    const QString label = QString::number(s.criticalLevel);
    p.drawText(pane.right() + std::max(2, fm.height() / 4), y + (fm.ascent() - fm.descent()) / 2,
               label);
}

// A grid line every grid step of elapsed time; labels that would run into the one before
// are left out.
void StretchPainter::timeGrid() const {
    if (s.gridStep <= 0) return;
    const long long end = static_cast<long long>(s.offset) + s.window;
    long long t = (static_cast<long long>(s.offset) + s.gridStep - 1) / s.gridStep * s.gridStep;
    int labelEnd = std::numeric_limits<int>::min();
    for (; t <= end; t += s.gridStep) {
        const int x = xOf(t);
        p.setPen(PenOf(style.grid, style.penWidth, Qt::DotLine));
        p.drawLine(x, g.spo2Pane.top(), x, g.spo2Pane.bottom());
        p.drawLine(x, g.pulsePane.top(), x, g.pulsePane.bottom());
        const QString label = Latin(Spo2TrendText::Elapsed(static_cast<int>(t)));
        const int width = fm.horizontalAdvance(label);
        const int left = x - width / 2;
        if (left <= labelEnd) continue;
        p.setPen(PenOf(style.text, style.penWidth));
        p.drawText(left, g.timeBaseline, label);
        labelEnd = left + width + fm.horizontalAdvance(QLatin1Char(' '));
    }
}

std::pair<std::size_t, std::size_t> StretchPainter::visible(const std::vector<TrendPoint>& points,
                                                            long long from, long long to) const {
    std::size_t first = FirstPointFrom(points, static_cast<int>(std::max(0LL, from)));
    if (first > 0) --first;
    std::size_t last = first;
    while (last < points.size() && points[last].first <= to)
        ++last;
    if (last < points.size()) ++last;
    return {first, last};
}

void StretchPainter::curve(const std::vector<TrendPoint>& points, std::size_t from, std::size_t to,
                           const QRect& pane, const Spo2PaneScale& scale, const QPen& pen) const {
    if (to <= from) return;
    QPolygon line;
    line.reserve(static_cast<qsizetype>(to - from));
    for (std::size_t i = from; i < to; ++i)
        line.append(QPoint(xOf(points[i].first), YOf(points[i].value, pane, scale)));
    p.save();
    p.setClipRect(pane.adjusted(0, -style.penWidth, 1, style.penWidth));
    p.setPen(pen);
    p.drawPolyline(line);
    p.restore();
}

// An event shows as a band over its seconds under the curves, and its stretch of the curve
// drawn over in the event colour.
void StretchPainter::events(const std::map<int, Spo2Event>& events,
                            const std::vector<TrendPoint>& points, const QRect& pane,
                            const Spo2PaneScale& scale, bool bands) const {
    const long long end = static_cast<long long>(s.offset) + s.window;
    const int longest = std::max(kMaxSpo2EventSeconds, kMaxPulseEventSeconds);
    for (auto it = events.lower_bound(s.offset - longest); it != events.end(); ++it) {
        const Spo2Event& e = it->second;
        if (e.startIndex > end) break;
        const long long last = static_cast<long long>(e.startIndex) + e.duration;
        if (last < s.offset) continue;
        if (bands) {
            const int left = std::max(pane.left(), xOf(e.startIndex));
            const int right = std::min(pane.right(), xOf(last));
            p.fillRect(QRect(left, pane.top() + 1, std::max(2, right - left), pane.height() - 2),
                       style.eventBand);
            continue;
        }
        std::size_t from = FirstPointFrom(points, e.startIndex);
        const std::size_t to = FirstPointFrom(points, static_cast<int>(last) + 1);
        // The point before the event carries the level the fall starts from.
        if (from > 0) --from;
        curve(points, from, to, pane, scale, PenOf(style.eventCurve, 2 * style.penWidth));
    }
}

} // namespace

Spo2TrendStyle Spo2TrendStyle::Screen() {
    Spo2TrendStyle s;
    s.spo2Title = QCoreApplication::translate("Spo2TrendPainter", "SPO2");
    s.pulseTitle = QCoreApplication::translate("Spo2TrendPainter", "PULSE");
    s.background = Qt::black;
    s.text = QColor(220, 220, 220);
    s.frame = QColor(150, 150, 150);
    s.grid = QColor(90, 90, 90);
    s.spo2Curve = QColor(0, 220, 255);
    s.pulseCurve = QColor(80, 230, 80);
    s.critical = QColor(255, 70, 70);
    s.eventBand = QColor(255, 120, 0, 70);
    s.eventCurve = QColor(255, 150, 40);
    return s;
}

Spo2TrendStyle Spo2TrendStyle::Paper(int penWidth) {
    Spo2TrendStyle s;
    s.text = Qt::black;
    s.frame = Qt::black;
    s.grid = QColor(150, 150, 150);
    s.spo2Curve = Qt::black;
    s.pulseCurve = Qt::black;
    s.critical = QColor(200, 0, 0);
    s.eventBand = QColor(215, 215, 215);
    s.eventCurve = QColor(200, 0, 0);
    s.penWidth = std::max(1, penWidth);
    return s;
}

void Spo2TrendCurves::update(const Spo2Analysis& analysis, int window, int plotWidth) {
    const std::vector<int>& spo2 = analysis.spo2Values();
    if (window == m_window && plotWidth == m_plotWidth && spo2.data() == m_data &&
        spo2.size() == m_length)
        return;
    m_spo2 = BuildTrendPoints(spo2, window, plotWidth);
    m_pulse = BuildTrendPoints(analysis.pulseValues(), window, plotWidth);
    m_window = window;
    m_plotWidth = plotWidth;
    m_data = spo2.data();
    m_length = spo2.size();
}

Spo2TrendGeometry LayoutSpo2Trend(const QPainter& painter, const QRect& area) {
    const QFontMetrics fm = painter.fontMetrics();
    const int line = fm.height();
    const int margin = std::max(2, line / 2);
    Spo2TrendGeometry g;
    g.area = area;
    g.plotLeft = area.left() + margin + fm.horizontalAdvance(QStringLiteral("0123456789"));
    const int right = area.right() + 1 - margin - fm.horizontalAdvance(QStringLiteral("100"));
    g.plotWidth = std::max(0, right - g.plotLeft);
    int y = area.top() + margin + line; // the SpO2 title and the calendar time
    const int panes = area.bottom() + 1 - y - line - margin /* pulse title */ - margin -
                      line /* time labels */ - margin;
    const int spo2Height = std::max(0, panes * 55 / 100);
    const int pulseHeight = std::max(0, panes - spo2Height);
    g.spo2Pane = QRect(g.plotLeft, y, g.plotWidth, spo2Height);
    g.headerBaseline = y - fm.descent() - std::max(2, line / 4);
    y += spo2Height + margin + line;
    g.pulsePane = QRect(g.plotLeft, y, g.plotWidth, pulseHeight);
    g.timeBaseline = y + pulseHeight + margin / 2 + fm.ascent();
    return g;
}

void PaintSpo2Stretch(QPainter& painter, const Spo2TrendGeometry& g, const Spo2Stretch& stretch,
                      const Spo2Analysis& analysis, const Spo2Series& series,
                      const Spo2TrendCurves& curves, const Spo2TrendStyle& style) {
    if (style.background.isValid()) painter.fillRect(g.area, style.background);
    if (g.plotWidth <= 0 || g.spo2Pane.height() <= 0 || g.pulsePane.height() <= 0) return;
    StretchPainter s(painter, g, stretch, style);
    s.pane(g.spo2Pane, style.spo2Scale, style.spo2Title);
    s.pane(g.pulsePane, style.pulseScale, style.pulseTitle);
    s.criticalLevel();
    // An empty window shows the empty panes: nothing to place on them, nothing to divide by.
    if (stretch.window <= 0) return;
    painter.setPen(PenOf(style.text, style.penWidth));
    const QString start = Latin(Spo2TrendText::CalendarTime(series, stretch.offset));
    painter.drawText(g.spo2Pane.right() + 1 - painter.fontMetrics().horizontalAdvance(start),
                     g.headerBaseline, start);
    s.timeGrid();
    const auto& desaturations = analysis.desaturationEvents();
    const auto& pulseEvents = analysis.pulseEvents();
    s.events(desaturations, curves.spo2(), g.spo2Pane, style.spo2Scale, true);
    s.events(pulseEvents, curves.pulse(), g.pulsePane, style.pulseScale, true);
    const long long end = static_cast<long long>(stretch.offset) + stretch.window;
    const auto [spo2From, spo2To] = s.visible(curves.spo2(), stretch.offset, end);
    s.curve(curves.spo2(), spo2From, spo2To, g.spo2Pane, style.spo2Scale,
            PenOf(style.spo2Curve, style.penWidth));
    const auto [pulseFrom, pulseTo] = s.visible(curves.pulse(), stretch.offset, end);
    s.curve(curves.pulse(), pulseFrom, pulseTo, g.pulsePane, style.pulseScale,
            PenOf(style.pulseCurve, style.penWidth));
    s.events(desaturations, curves.spo2(), g.spo2Pane, style.spo2Scale, false);
    s.events(pulseEvents, curves.pulse(), g.pulsePane, style.pulseScale, false);
}

void PaintSpo2Trend(QPainter& painter, const QRect& area, const Spo2TrendState& state,
                    const Spo2Analysis& analysis, const Spo2Series& series,
                    Spo2TrendCurves& curves) {
    const Spo2TrendGeometry g = LayoutSpo2Trend(painter, area);
    curves.update(analysis, state.window, g.plotWidth);
    const Spo2Stretch stretch{state.offset, state.window, state.gridStep, state.criticalLevel};
    PaintSpo2Stretch(painter, g, stretch, analysis, series, curves, Spo2TrendStyle::Screen());
}
