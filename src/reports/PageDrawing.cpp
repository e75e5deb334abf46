#include "PageDrawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "GbkText.h"
#include "ReadingCells.h"
#include "ReportContext.h"
#include "StringTable.h"

namespace PageDrawing {

int Frac(int size, int numerator, int denominator) {
    return static_cast<int>(static_cast<long long>(size) * numerator / denominator);
}

void TextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

int TextHeight(const QPainter& painter) {
    return painter.fontMetrics().height();
}

void Heading(QPainter& painter, const ReportContext& context, const QString& text, int x, int y,
             int underlineY, int underlineEndX) {
    painter.setFont(context.style.large);
    painter.setPen(context.style.black);
    TextAt(painter, x, y, text);
    // A heading longer than its place (a translated one) is underlined to its end.
    const QFontMetrics metrics = painter.fontMetrics();
    const int end = std::max(underlineEndX, x + metrics.horizontalAdvance(text));
    // A face with a taller ascent than the layout's (the CJK one) pushes the line below the
    // text instead of through it.
    const int lineY = std::max(underlineY, y + metrics.ascent() + metrics.underlinePos());
    painter.drawLine(x, lineY, end, lineY);
    painter.setFont(context.style.regular);
}

void BoxLines(QPainter& painter, const ReportContext& context, int left, int top, int right,
              int bottom) {
    painter.setPen(context.style.black);
    painter.drawLine(left, top, right, top);
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(right, bottom, left, bottom);
    painter.drawLine(left, bottom, left, top);
}

int TestMinutes(const TestRecord& test) {
    return test.readingCount > 0 && test.readingCount <= kMaxReadings
               ? test.readings[static_cast<std::size_t>(test.readingCount - 1)].minutesFromStart
               : 0;
}

QString ReadingTimeText(const TestRecord& test, int minutesFromStart) {
    const ReadingCells::ReadingClock clock = ReadingCells::ClockOf(test, minutesFromStart);
    return QString::asprintf("(%02d:%02d)", clock.hour, clock.minute);
}

} // namespace PageDrawing

using namespace PageDrawing;

void DrawPageHeader(QPainter& painter, const QRect& page, const ReportContext& context) {
    const int W = page.width(), H = page.height();
    const ReportStyle& style = context.style;
    BoxLines(painter, context, W / 18, H / 20, Frac(W, 17, 18), Frac(H, 3, 22));

    const int top = Frac(H, 7, 120);
    painter.setFont(style.title);
    const int headingHeight = TextHeight(painter);
    const int centred = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
    painter.drawText(QRect(0, top, W, headingHeight), centred, StringTable::label(57701));
    painter.setFont(style.regular);
    painter.drawText(QRect(0, top + headingHeight, W, TextHeight(painter)), centred, context.title);

    const int left = Frac(W, 11, 180);
    TextAt(painter, left, H / 10, StringTable::label(57662) + context.texts.name);
    TextAt(painter, left, Frac(H, 13, 110),
           StringTable::label(57703) + FromGbk(context.record.test.beginDateText));
    TextAt(painter, Frac(W, 18, 25), H / 10, StringTable::label(57663) + context.texts.id);
}
