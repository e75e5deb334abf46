#include "BarChartPainter.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "BpTrendPainter.h"

namespace {

QPen Pen(const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// A parallelogram from the edge a-b of a face going back by depth (up and to the right).
QPolygon FaceGoingBack(QPoint a, QPoint b, int depth) {
    const QPoint back(depth, -depth);
    return QPolygon({a, a + back, b + back, b});
}

void PaintBox(QPainter& painter, const BarChartFrame& f, const ChartPaintOptions& options) {
    const QRect& plot = f.plot;
    const int d = f.depth;
    painter.setPen(Pen(Qt::black, options.penWidth));
    painter.setBrush(ChartColours::kPlotBackground);
    const QPoint baseLeft(plot.left(), f.base()), baseRight(plot.left() + plot.width(), f.base());
    painter.drawPolygon(FaceGoingBack(baseLeft, plot.topLeft(), d)); // side wall
    painter.drawPolygon(FaceGoingBack(baseLeft, baseRight, d));      // floor
    painter.setBrush(ChartColours::kBackWall);
    painter.drawRect(plot.translated(d, -d));
}

// Dotted lines at 0, 25, 50, 75 and 100 % across the back wall and the side wall, labelled
// at the front edge.
void PaintGrid(QPainter& painter, const BarChartFrame& f, const ChartPaintOptions& options) {
    const QRect& plot = f.plot;
    const int d = f.depth;
    const int gap = painter.fontMetrics().averageCharWidth() / 2;
    for (int percent = 0; percent <= 100; percent += 25) {
        const int y = f.yOfPercent(percent);
        painter.setPen(Pen(Inverse(ChartColours::kPlotBackground), options.penWidth, Qt::DotLine));
        painter.drawLine(plot.left(), y, plot.left() + d, y - d);
        painter.drawLine(plot.left() + d, y - d, plot.left() + plot.width() + d, y - d);
        if (percent == 0) continue;
        painter.setPen(Pen(Qt::black, options.penWidth));
        DrawTextRightAlignedAt(painter, plot.left() - gap, y, QString::asprintf("%d%%", percent));
    }
}

// Every bound where they fit side by side, otherwise every second, third ... one, as many as
// fit: on paper the font is large for the width of a bin.
void PaintBinBounds(QPainter& painter, const BarChartFrame& f, const BarChartBins& bins) {
    const QFontMetrics fm = painter.fontMetrics();
    const int y = f.base() + fm.height() / 4 + fm.height() / 2;
    const int widest = fm.horizontalAdvance(QString::number(bins.high)) + fm.averageCharWidth();
    const int stride =
        f.binWidth > 0 ? std::max(1, static_cast<int>(std::ceil(widest / f.binWidth))) : 1;
    for (int k = 0; k <= bins.binCount(); k += stride)
        DrawTextCentredAt(painter, QPoint(f.xOfBin(k), y),
                          QString::asprintf("%d", bins.low + k * bins.step));
}

// Percentages wider than a bin get a smaller font, down to a size still easy to read.
QFont LabelFontFor(const QFont& font, const QFontMetrics& fm, double binWidth) {
    const int widest = fm.horizontalAdvance(QStringLiteral("99.9%"));
    if (widest <= binWidth || widest == 0) return font;
    QFont smaller = font;
    const double factor = std::max(0.7, binWidth / widest);
    if (font.pointSizeF() > 0)
        smaller.setPointSizeF(font.pointSizeF() * factor);
    else
        smaller.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * factor)));
    return smaller;
}

void PaintBars(QPainter& painter, const BarChartFrame& f, const std::vector<double>& fractions,
               const ChartPaintOptions& options) {
    const int barWidth = std::max(1, static_cast<int>(f.binWidth * 0.6));
    const int barDepth = std::max(1, f.depth / 2);
    const QFont font = painter.font();
    painter.setFont(LabelFontFor(font, painter.fontMetrics(), f.binWidth));
    const QFontMetrics fm = painter.fontMetrics();
    const int labelGap = fm.height() / 2 + fm.height() / 8;
    // Where the percentages are still wider than a bin, the labels of neighbouring bars stand
    // one line apart in height, so they never run into each other.
    const bool crowded = fm.horizontalAdvance(QStringLiteral("99.9%")) > f.binWidth;
    bool previousLabelLow = false;
    // The labels go on after every bar, so that a taller neighbour never hides one.
    std::vector<std::pair<QPoint, QString>> labels;
    for (std::size_t k = 0; k < fractions.size(); ++k) {
        const double fraction = fractions[k];
        if (fraction == 0.0) {
            previousLabelLow = false;
            continue;
        }
        const int height = static_cast<int>(fraction * f.plot.height());
        const int left = f.xOfBin(static_cast<int>(k)) + static_cast<int>(f.binWidth * 0.2);
        const QRect front(left, f.base() - height, barWidth, height);
        painter.setPen(Pen(Qt::black, options.penWidth));
        painter.setBrush(HalfIntensity(ChartColours::kBarFront));
        painter.drawPolygon(FaceGoingBack(front.topLeft(), front.topRight(), barDepth));
        painter.drawPolygon(FaceGoingBack(front.bottomRight(), front.topRight(), barDepth));
        painter.setBrush(ChartColours::kBarFront);
        painter.drawRect(front);
        const bool raised = crowded && previousLabelLow;
        previousLabelLow = !raised;
        const QPoint labelCentre(front.center().x() + barDepth / 2,
                                 front.top() - barDepth - labelGap -
                                     (raised ? fm.lineSpacing() : 0));
        labels.emplace_back(labelCentre, QString::asprintf("%.1f%%", fraction * 100));
    }
    painter.setPen(Pen(Qt::black, options.penWidth));
    for (const auto& [centre, text] : labels)
        DrawTextCentredAt(painter, centre, text);
    painter.setFont(font);
}

} // namespace

int BarChartFrame::yOfPercent(double percent) const {
    return base() - static_cast<int>(percent / 100.0 * plot.height());
}

int BarChartFrame::xOfBin(int k) const {
    return plot.left() + static_cast<int>(k * binWidth);
}

std::array<BarChartFrame, 3> LayoutBarCharts(const QRect& target, const QFontMetrics& fm) {
    const int top = target.top() + target.height() / 20;
    const int cellWidth = target.width() / 3;
    const int th = fm.height();
    const int labelWidth = fm.horizontalAdvance(QStringLiteral("100%"));
    std::array<BarChartFrame, 3> frames;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const QRect cell(target.left() + static_cast<int>(i) * cellWidth, top, cellWidth,
                         target.bottom() + 1 - top);
        BarChartFrame& f = frames[i];
        f.depth = std::max(4, cellWidth / 25);
        f.titleCentre = QPoint(cell.center().x(), cell.top() + th / 2);
        // Room above the box for the title and for the label over a full bar; below it for
        // the bin bounds.
        const int left = cell.left() + labelWidth + th;
        const int right = cell.right() - f.depth - th;
        const int plotTop = cell.top() + 3 * th + f.depth;
        const int plotBottom = cell.bottom() - 2 * th;
        f.plot = QRect(QPoint(left, plotTop), QPoint(std::max(left, right), plotBottom));
        f.binWidth = static_cast<double>(f.plot.width()) / kBarChartBins[i].binCount();
    }
    return frames;
}

void PaintBarCharts(QPainter& painter, const QRect& target, std::span<const BpReading> set,
                    const TestRecord& test, const ChartPaintOptions& options) {
    ReadingSetStats stats;
    stats.attach(set, test);
    stats.compute();
    painter.save();
    if (options.fillBackground) painter.fillRect(target, TrendColours::kBackground);
    const std::array<BarChartFrame, 3> frames = LayoutBarCharts(target, painter.fontMetrics());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const ChartQuantity& quantity = kChartQuantities[i];
        const BarChartBins& bins = kBarChartBins[i];
        stats.computeHistogram(quantity.quantity, bins.low, bins.high, bins.step);
        const BarChartFrame& f = frames[i];
        painter.setPen(Pen(Qt::black, options.penWidth));
        DrawTextCentredAt(painter, f.titleCentre, ChartTitle(quantity));
        PaintBox(painter, f, options);
        PaintGrid(painter, f, options);
        painter.setPen(Pen(Qt::black, options.penWidth));
        PaintBinBounds(painter, f, bins);
        PaintBars(painter, f, stats.histogram(quantity.quantity), options);
    }
    painter.restore();
}
