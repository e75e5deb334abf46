#include "BpTrendPainter.h"

#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "GbkText.h"
#include "ReadingCells.h"
#include "StringTable.h"

namespace {

// Text placed with its top-left corner at (x, y), as the design positions are given.
void DrawTextTopLeft(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

// Text whose middle lies on y, so a value label sits on its tick.
void DrawTextCentredOn(QPainter& painter, int x, int y, const QString& text) {
    const QFontMetrics fm = painter.fontMetrics();
    painter.drawText(x, y - fm.height() / 2 + fm.ascent(), text);
}

QPen SolidPen(const QColor& colour, int width) {
    QPen pen(colour);
    pen.setWidth(width);
    pen.setStyle(Qt::SolidLine);
    return pen;
}

// The unit stands 40 design units above the frame, as on the screen's design grid.
void PaintFrameAndCaptions(QPainter& painter, const TrendLayout& layout,
                           const TrendPaintOptions& options) {
    painter.drawRect(QRect(layout.x0(), layout.frameTop(), layout.frameRight() - layout.x0(),
                           layout.y0() - layout.frameTop()));
    painter.save();
    if (options.unitFont) painter.setFont(*options.unitFont);
    DrawTextTopLeft(painter, layout.x0() - layout.designX(60),
                    layout.frameTop() - layout.designY(80) + layout.designY(40),
                    QStringLiteral("mmHg/BPM"));
    painter.restore();
    DrawTextTopLeft(painter, layout.designX(670), layout.y0() + layout.designY(70),
                    StringTable::label(57660));
    DrawTextTopLeft(painter, layout.designX(1500), layout.y0() + layout.designY(60),
                    StringTable::label(57654));
}

void PaintValueLabels(QPainter& painter, const TrendLayout& layout) {
    const int labelX = layout.x0() - layout.designX(60);
    std::vector<QLine> ticks;
    for (const TrendLabel& label : layout.labels) {
        DrawTextCentredOn(painter, labelX, label.y, QString::asprintf("%d", label.value));
        ticks.emplace_back(layout.x0(), label.y, layout.x0() - layout.designX(10), label.y);
    }
    for (int y : layout.halfTicks)
        ticks.emplace_back(layout.x0(), y, layout.x0() - layout.designX(5), y);
    if (!ticks.empty()) painter.drawLines(ticks.data(), static_cast<int>(ticks.size()));
}

// Date and clock time of the first reading at its x, of the last reading 70 left of its x.
void PaintTimeAxisTexts(QPainter& painter, const TrendLayout& layout, const TestRecord& test) {
    if (layout.readingCount() == 0) return;
    const int top = layout.y0() + layout.designY(8);
    const int lineHeight = painter.fontMetrics().height();
    auto paintAt = [&](int x, int index) {
        const ReadingCells::ReadingClock clock = ReadingCells::ClockOf(
            test, test.readings[static_cast<std::size_t>(index)].minutesFromStart);
        DrawTextTopLeft(painter, x, top, ReadingCells::DateText(clock));
        DrawTextTopLeft(painter, x, top + lineHeight,
                        ReadingCells::TimeText(clock.hour, clock.minute));
    };
    const int last = layout.readingCount() - 1;
    paintAt(layout.readingX.front(), 0);
    if (last > 0) paintAt(layout.readingX.back() - layout.designX(70), last);
}

void PaintBars(QPainter& painter, const TrendLayout& layout) {
    std::vector<QLine> lines;
    lines.reserve(layout.bars.size() * 3);
    for (const TrendBar& bar : layout.bars) {
        lines.emplace_back(bar.x, bar.ySystolic, bar.x, bar.yDiastolic);
        lines.emplace_back(bar.x - 3, bar.ySystolic, bar.x + 3, bar.ySystolic);
        lines.emplace_back(bar.x - 3, bar.yDiastolic, bar.x + 3, bar.yDiastolic);
    }
    if (!lines.empty()) painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

// The bar form's heart rate: a blue line through filled dots, as wide as three lines.
void PaintHeartRateDots(QPainter& painter, const TrendLayout& layout, int penWidth) {
    const QColor blue(0, 0, 255);
    painter.setPen(SolidPen(blue, penWidth));
    if (layout.heartRate.size() > 1) painter.drawPolyline(layout.heartRate);
    painter.setBrush(blue);
    const int radius = std::max(2, 3 * penWidth / 2);
    for (const QPoint& point : layout.heartRate)
        painter.drawEllipse(point, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

QStringList ReadingBoxValues(const PatientRecord& record, int index) {
    const TestRecord& test = record.test;
    const BpReading& r = test.readings[static_cast<std::size_t>(index)];
    const ReadingCells::ReadingClock clock = ReadingCells::ClockOf(test, r.minutesFromStart);
    const QString comment = r.included == 1 ? FromGbk(r.comment) : StringTable::label(57707);
    // A failed measurement has no values to show, whatever pulse the recorder sent with it.
    const bool failed = r.systolic <= 0;
    const QString none = QStringLiteral("---");
    return {QString::asprintf("%d", index + 1),
            ReadingCells::DateText(clock),
            ReadingCells::TimeText(clock.hour, clock.minute),
            failed ? none + QLatin1Char('/') + none
                   : QString::asprintf("%d/%d", r.systolic, r.diastolic),
            failed ? none : QString::asprintf("%d", r.pulseRate),
            comment};
}

} // namespace

TrendLayout PaintBpTrend(QPainter& painter, const QRect& target, const PatientRecord& record,
                         const TrendFrame& frame, const TrendPaintOptions& options) {
    TrendLayout layout = LayoutTrend(record, target.size(), frame);
    painter.save();
    painter.translate(target.topLeft());
    PaintTrendLayout(painter, layout, record, options);
    painter.restore();
    return layout;
}

void PaintTrendLayout(QPainter& painter, const TrendLayout& layout, const PatientRecord& record,
                      const TrendPaintOptions& options) {
    painter.save();
    if (options.fillBackground)
        painter.fillRect(QRect(QPoint(0, 0), layout.size), TrendColours::kBackground);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(SolidPen(Qt::black, options.penWidth));
    PaintFrameAndCaptions(painter, layout, options);
    PaintValueLabels(painter, layout);
    PaintTimeAxisTexts(painter, layout, record.test);
    painter.setPen(SolidPen(TrendColours::kBars, options.penWidth));
    PaintBars(painter, layout);
    if (options.form == TrendForm::Bars) {
        PaintHeartRateDots(painter, layout, options.penWidth);
    } else {
        painter.setPen(SolidPen(TrendColours::kHeartRate, options.penWidth));
        if (layout.heartRate.size() > 1) painter.drawPolyline(layout.heartRate);
        painter.setPen(SolidPen(TrendColours::kThresholds, options.penWidth));
        if (!layout.systolicThreshold.isEmpty()) painter.drawPolyline(layout.systolicThreshold);
        if (!layout.diastolicThreshold.isEmpty()) painter.drawPolyline(layout.diastolicThreshold);
    }
    painter.restore();
}

void PaintReadingBox(QPainter& painter, const TrendLayout& layout, const PatientRecord& record,
                     int index) {
    if (index < 0 || index >= layout.readingCount()) return;
    painter.save();
    const int cursorX = layout.readingX[static_cast<std::size_t>(index)];
    painter.setPen(SolidPen(Qt::black, 1));
    painter.drawLine(cursorX, layout.y0(), cursorX, layout.designY(47));

    const QStringList headings = {StringTable::label(57653), StringTable::label(57725),
                                  StringTable::label(57654), StringTable::label(57655),
                                  StringTable::label(57656), StringTable::label(57659)};
    const QStringList values = ReadingBoxValues(record, index);
    const QFontMetrics fm = painter.fontMetrics();
    const int pad = std::max(3, fm.height() / 4);
    std::vector<int> widths;
    int boxWidth = pad;
    for (int c = 0; c < headings.size(); ++c) {
        widths.push_back(
            std::max(fm.horizontalAdvance(headings[c]), fm.horizontalAdvance(values[c])) + pad);
        boxWidth += widths.back();
    }
    const int boxHeight = 2 * fm.height() + 3 * pad;
    // Right of the cursor while it fits inside the frame, otherwise left of it.
    int left = cursorX + 6;
    if (left + boxWidth > layout.frameRight()) left = std::max(0, cursorX - 6 - boxWidth);
    const int top = layout.frameTop() + 4;
    const QRect box(left, top, boxWidth, boxHeight);
    painter.fillRect(box, TrendColours::kReadingBox);
    painter.drawRect(box);
    int x = left + pad;
    for (int c = 0; c < headings.size(); ++c) {
        DrawTextTopLeft(painter, x, top + pad, headings[c]);
        DrawTextTopLeft(painter, x, top + 2 * pad + fm.height(), values[c]);
        x += widths[static_cast<std::size_t>(c)];
    }
    painter.restore();
}
