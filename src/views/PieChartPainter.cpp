#include "PieChartPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "BpTrendPainter.h"
#include "StringTable.h"

namespace {

// The top disc is an ellipse this much flatter than wide, so the layers below show.
constexpr double kFlatness = 0.6;

// Whole degrees of a cumulative fraction, truncated. Shares of a set add up to 1 only within
// rounding (1/6 + 4/6 + 1/6 gives 0.99999999999999989), and plain truncation would turn that
// into 359 degrees: the tolerance keeps an exact whole degree whole.
int DegreesOf(double cumulativeFraction) {
    return static_cast<int>(cumulativeFraction * 360.0 + 1e-9);
}

QRect EllipseAt(const PieChartFrame& f, int dy) {
    return QRect(f.centre.x() - f.radiusX, f.centre.y() - f.radiusY + dy, 2 * f.radiusX,
                 2 * f.radiusY);
}

void PaintDisc(QPainter& painter, const PieChartFrame& f, const std::array<PieSlice, 3>& slices,
               const ChartPaintOptions& options) {
    painter.setPen(Qt::NoPen);
    for (int layer = f.layers; layer >= 1; --layer) {
        for (const PieSlice& s : slices) {
            if (s.isEmpty()) continue;
            painter.setBrush(HalfIntensity(s.colour));
            painter.drawPie(EllipseAt(f, layer), s.start * 16, (s.end - s.start) * 16);
        }
    }
    painter.setPen(QPen(Qt::black, options.penWidth));
    for (const PieSlice& s : slices) {
        if (s.isEmpty()) continue;
        painter.setBrush(s.colour);
        painter.drawPie(EllipseAt(f, 0), s.start * 16, (s.end - s.start) * 16);
    }
    painter.setBrush(Qt::NoBrush);
    // Each share at half the radius on its slice's middle, in the inverse of the slice colour.
    for (const PieSlice& s : slices) {
        if (s.isEmpty()) continue;
        const double middle = (s.start + s.end) / 2.0 * std::numbers::pi / 180.0;
        const QPoint at(f.centre.x() + static_cast<int>(f.radiusX / 2.0 * std::cos(middle)),
                        f.centre.y() - static_cast<int>(f.radiusY / 2.0 * std::sin(middle)));
        painter.setPen(QPen(Inverse(s.colour), options.penWidth));
        DrawTextCentredAt(painter, at, s.label());
    }
}

QString ValueLine(int labelId, int value, const char* unit) {
    return QString::asprintf("%s: %d (%s)", qUtf8Printable(StringTable::label(labelId)), value,
                             unit);
}

QString ExtremeLine(int labelId, int value, const char* unit, const std::string& time) {
    return QString::asprintf("%s: %d (%s) (%s)", qUtf8Printable(StringTable::label(labelId)), value,
                             unit, time.c_str());
}

QString LimitLine(int value, int labelId) {
    return QString::asprintf("%d %s", value, qUtf8Printable(StringTable::label(labelId)));
}

void PaintTexts(QPainter& painter, const PieChartFrame& f, const ChartQuantity& quantity,
                const ReadingSetStats& stats, const ChartBand& band,
                const ChartPaintOptions& options) {
    const ReadingSetStats::Quantity q = quantity.quantity;
    const QString lines[] = {
        ChartTitle(quantity),
        ExtremeLine(57679, stats.maximum(q), quantity.unit, stats.maximumTime(q)),
        ExtremeLine(57680, stats.minimum(q), quantity.unit, stats.minimumTime(q)),
        ValueLine(57644, stats.mean(q), quantity.unit),
        LimitLine(band.upper, 57778),
        LimitLine(band.lower, 57779),
    };
    painter.setPen(QPen(Qt::black, options.penWidth));
    const int spacing = painter.fontMetrics().lineSpacing();
    QPoint at = f.textTopLeft;
    for (const QString& line : lines) {
        DrawTextFromTopLeft(painter, at, line);
        at.ry() += spacing;
    }
}

} // namespace

QString PieSlice::label() const {
    return QString::asprintf("%.1f%%", std::abs(end - start) * 100.0 / 360.0);
}

std::array<PieSlice, 3> PieSlicesOf(const ReadingSetStats::LoadFractions& loads) {
    const int aboveEnd = DegreesOf(loads.above);
    const int withinEnd = DegreesOf(loads.above + loads.within);
    const int belowEnd = DegreesOf(loads.above + loads.within + loads.below);
    return {{{0, aboveEnd, ChartColours::kAbove},
             {aboveEnd, withinEnd, ChartColours::kWithin},
             {withinEnd, belowEnd, ChartColours::kBelow}}};
}

PieChartLayout LayoutPieCharts(const QRect& target, const QFontMetrics& fm, bool roomForControls) {
    PieChartLayout layout;
    const int th = fm.height();
    const int w88 = fm.horizontalAdvance(QStringLiteral("88"));
    const int top = target.top() + target.height() / 20;
    const int width = roomForControls ? std::min(target.width(), target.width() * 2 / 3 + 2 * w88)
                                      : target.width();
    const int rowHeight = (target.top() + target.height() - top) / 3;
    layout.area = QRect(target.left(), target.top(), width, target.height());
    layout.columnWidth = fm.horizontalAdvance(QStringLiteral("01234567890123"));
    for (std::size_t i = 0; i < layout.pies.size(); ++i) {
        PieChartFrame& f = layout.pies[i];
        f.row = QRect(target.left(), top + static_cast<int>(i) * rowHeight, width, rowHeight);
        f.layers = 2 * th / 3;
        // The pie fills the left half of its row, the texts stand in the right half.
        const int boxWidth = std::max(0, f.row.width() / 2 - 2 * th);
        const int boxHeight = std::max(0, rowHeight - th - f.layers);
        f.radiusX = std::min(boxWidth / 2, static_cast<int>(boxHeight / (2 * kFlatness)));
        f.radiusY = static_cast<int>(f.radiusX * kFlatness);
        f.centre = QPoint(f.row.left() + th + boxWidth / 2, f.row.top() + th / 2 + boxHeight / 2);
        f.textTopLeft = QPoint(f.row.left() + f.row.width() / 2, f.row.top() + th / 2);
        f.controlsTopLeft = QPoint(layout.area.right() + 1 + th / 2, f.textTopLeft.y());
    }
    return layout;
}

PieChartLayout PaintPieCharts(QPainter& painter, const QRect& target,
                              std::span<const BpReading> set, const TestRecord& test,
                              const ChartBands& bands, const ChartPaintOptions& options,
                              bool roomForControls) {
    ReadingSetStats stats;
    stats.attach(set, test);
    stats.compute();
    painter.save();
    if (options.fillBackground) painter.fillRect(target, TrendColours::kBackground);
    const PieChartLayout layout = LayoutPieCharts(target, painter.fontMetrics(), roomForControls);
    for (std::size_t i = 0; i < layout.pies.size(); ++i) {
        const ChartQuantity& quantity = kChartQuantities[i];
        const ChartBand& band = bands.of(quantity.quantity);
        stats.computeLoadFractions(quantity.quantity, band.upper, band.lower);
        const auto slices = PieSlicesOf(stats.loadFractions(quantity.quantity));
        PaintDisc(painter, layout.pies[i], slices, options);
        PaintTexts(painter, layout.pies[i], quantity, stats, band, options);
    }
    painter.restore();
    return layout;
}
