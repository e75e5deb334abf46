#include "FitLinePainter.h"

#include <QPainter>
#include <algorithm>

#include "BpTrendPainter.h"
#include "Regression.h"
#include "StringTable.h"

namespace {

constexpr int kScaleStep = 25; // mmHg between two labelled ticks

// The part of dependent = slope * independent + intercept with the independent value in
// [0, maxIndependent] and the dependent one in [0, maxDependent], as (independent, dependent)
// pairs.
std::optional<QLineF> ClippedLine(double slope, double intercept, double maxIndependent,
                                  double maxDependent) {
    if (slope == 0) {
        if (intercept < 0 || intercept > maxDependent) return std::nullopt;
        return QLineF(0, intercept, maxIndependent, intercept);
    }
    double from = (0 - intercept) / slope;
    double to = (maxDependent - intercept) / slope;
    if (from > to) std::swap(from, to);
    from = std::max(from, 0.0);
    to = std::min(to, maxIndependent);
    if (!(from < to)) return std::nullopt;
    return QLineF(from, slope * from + intercept, to, slope * to + intercept);
}

QPen Pen(const QColor& colour, int width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QString LegendText(int i) {
    return StringTable::label(i == 0 ? 57776 : 57777);
}

void PaintAxes(QPainter& painter, const FitLineLayout& l, const QRect& target,
               const ChartPaintOptions& options) {
    const QFontMetrics fm = painter.fontMetrics();
    const int tick = fm.height() / 3;
    const int base = l.plot.top() + l.plot.height();
    painter.setPen(Pen(Qt::black, options.penWidth));
    for (int s = 0; s <= kFitLineMaxSystolic; s += kScaleStep) {
        const int x = l.pointOf(s, 0).x();
        painter.drawLine(x, base, x, base + tick);
        DrawTextCentredAt(painter, QPoint(x, base + tick + fm.height() / 2),
                          QString::asprintf("%d", s));
    }
    for (int d = 0; d <= kFitLineMaxDiastolic; d += kScaleStep) {
        const int y = l.pointOf(0, d).y();
        painter.drawLine(l.plot.left() - tick, y, l.plot.left(), y);
        DrawTextRightAlignedAt(painter, l.plot.left() - tick - fm.averageCharWidth() / 2, y,
                               QString::asprintf("%d", d));
    }
    DrawTextFromTopLeft(painter, target.topLeft(), QStringLiteral("Dia (mmHg)"));
    const QString sys = QStringLiteral("Sys (mmHg)");
    DrawTextFromTopLeft(
        painter, QPoint(l.plot.right() - fm.horizontalAdvance(sys), base + tick + fm.lineSpacing()),
        sys);
    painter.setPen(Pen(ChartColours::kSystolic, options.lineWidth));
    painter.drawLine(l.plot.left(), base, l.plot.left() + l.plot.width(), base);
    painter.setPen(Pen(ChartColours::kDiastolic, options.lineWidth));
    painter.drawLine(l.plot.left(), base, l.plot.left(), l.plot.top());
}

void PaintPoints(QPainter& painter, const FitLineLayout& l, const ReadingSet& set,
                 const QColor& fill, const ChartPaintOptions& options) {
    painter.setPen(Pen(Qt::black, options.penWidth));
    painter.setBrush(fill);
    for (const BpReading& r : set)
        painter.drawEllipse(l.pointOf(r.systolic, r.diastolic), l.pointRadius, l.pointRadius);
}

void PaintLegend(QPainter& painter, const FitLineLayout& l, const ChartPaintOptions& options) {
    const QFontMetrics fm = painter.fontMetrics();
    for (int i = 0; i < 2; ++i) {
        const QPoint top = l.legendTopLeft + QPoint(0, i * fm.lineSpacing());
        const QPoint dot = top + QPoint(fm.height() / 2, fm.height() / 2);
        painter.setPen(Pen(Qt::black, options.penWidth));
        painter.setBrush(i == 0 ? Qt::white : Qt::black);
        painter.drawEllipse(dot, l.pointRadius, l.pointRadius);
        DrawTextFromTopLeft(painter, top + QPoint(fm.height() * 3 / 2, 0), LegendText(i));
    }
    painter.setBrush(Qt::NoBrush);
}

void PaintSegment(QPainter& painter, const FitLineLayout& l, const std::optional<QLineF>& segment,
                  const QColor& colour, const ChartPaintOptions& options) {
    if (!segment) return;
    painter.setPen(Pen(colour, options.lineWidth));
    painter.drawLine(l.pointOf(segment->x1(), segment->y1()),
                     l.pointOf(segment->x2(), segment->y2()));
}

// One text line below the plot: the label, a short sample of the line's colour, the formula.
void PaintDependence(QPainter& painter, const FitLineLayout& l, QPoint at, int labelId,
                     const QColor& colour, const std::string& formula,
                     const ChartPaintOptions& options) {
    const QFontMetrics fm = painter.fontMetrics();
    const QString label = StringTable::label(labelId);
    painter.setPen(Pen(Qt::black, options.penWidth));
    DrawTextFromTopLeft(painter, at, label);
    const int lineLeft = at.x() + fm.horizontalAdvance(label) + fm.averageCharWidth();
    const int y = at.y() + fm.height() / 2;
    painter.setPen(Pen(colour, options.lineWidth));
    painter.drawLine(lineLeft, y, lineLeft + l.sampleLineWidth, y);
    painter.setPen(Pen(Qt::black, options.penWidth));
    DrawTextFromTopLeft(painter, QPoint(lineLeft + l.sampleLineWidth, at.y()),
                        QString::fromStdString(formula));
}

void PaintTexts(QPainter& painter, const FitLineLayout& l, const Regression& reg,
                const ChartPaintOptions& options) {
    const int spacing = painter.fontMetrics().lineSpacing();
    QPoint at = l.textTopLeft;
    PaintDependence(painter, l, at, 57796, ChartColours::kSystolic, YOnXText(reg), options);
    at.ry() += spacing;
    PaintDependence(painter, l, at, 57795, ChartColours::kDiastolic, XOnYText(reg), options);
    at.ry() += spacing;
    painter.setPen(Pen(Qt::black, options.penWidth));
    DrawTextFromTopLeft(
        painter, at,
        QString::fromStdString(CentreText(reg, StringTable::label(57798).toStdString())));
    at.ry() += spacing;
    const std::string correlation = CorrelationText(reg, StringTable::label(57797).toStdString());
    if (!correlation.empty()) DrawTextFromTopLeft(painter, at, QString::fromStdString(correlation));
}

} // namespace

std::optional<QLineF> YOnXSegment(double slope, double intercept) {
    return ClippedLine(slope, intercept, kFitLineMaxSystolic, kFitLineMaxDiastolic);
}

std::optional<QLineF> XOnYSegment(double slope, double intercept) {
    const std::optional<QLineF> swapped =
        ClippedLine(slope, intercept, kFitLineMaxDiastolic, kFitLineMaxSystolic);
    if (!swapped) return std::nullopt;
    return QLineF(swapped->y1(), swapped->x1(), swapped->y2(), swapped->x2());
}

QPoint FitLineLayout::pointOf(double systolic, double diastolic) const {
    const int bottom = plot.top() + plot.height();
    return QPoint(plot.left() + static_cast<int>(plot.width() * systolic * 0.004),
                  bottom - static_cast<int>(plot.height() * diastolic * 0.005));
}

FitLineLayout LayoutFitLine(const QRect& target, const QFontMetrics& fm) {
    FitLineLayout l;
    const int th = fm.height();
    const int spacing = fm.lineSpacing();
    l.pointRadius = std::max(1, th / 8);
    l.sampleLineWidth = 2 * th;
    const int left = target.left() + fm.horizontalAdvance(QStringLiteral("200")) + th;
    const int top = target.top() + spacing + th / 2;
    const int right = target.right() - th;
    // Below the plot: the scale, the axis name and the four text lines.
    const int textTop = target.top() + target.height() - 4 * spacing;
    const int bottom = textTop - 2 * spacing - th / 2;
    l.plot = QRect(QPoint(left, top), QPoint(std::max(left, right), std::max(top, bottom)));
    l.textTopLeft = QPoint(target.left() + th, textTop);
    const int legendWidth =
        std::max(fm.horizontalAdvance(LegendText(0)), fm.horizontalAdvance(LegendText(1))) +
        th * 3 / 2;
    l.legendTopLeft = QPoint(l.plot.right() - legendWidth - th, l.plot.top() + th / 2);
    return l;
}

void PaintFitLine(QPainter& painter, const QRect& target, const ReadingSets& sets,
                  const ChartPaintOptions& options) {
    painter.save();
    if (options.fillBackground) painter.fillRect(target, TrendColours::kBackground);
    const FitLineLayout l = LayoutFitLine(target, painter.fontMetrics());
    PaintAxes(painter, l, target, options);
    painter.save();
    // Readings beyond 250/200 mmHg would land on the scale and the texts.
    const int r = l.pointRadius;
    painter.setClipRect(l.plot.adjusted(-r, -r, r, r), Qt::IntersectClip);
    PaintPoints(painter, l, sets.awake, Qt::white, options);
    PaintPoints(painter, l, sets.asleep, Qt::black, options);
    painter.restore();
    PaintLegend(painter, l, options);
    const Regression reg = ComputeRegression(sets);
    if (reg.yOnXDefined)
        PaintSegment(painter, l, YOnXSegment(reg.b1, reg.a1), ChartColours::kSystolic, options);
    if (reg.xOnYDefined)
        PaintSegment(painter, l, XOnYSegment(reg.b2, reg.a2), ChartColours::kDiastolic, options);
    PaintTexts(painter, l, reg, options);
    painter.restore();
}
