#include "ChartPainting.h"

#include <QFontMetrics>
#include <QPainter>

#include "StringTable.h"

QColor HalfIntensity(const QColor& colour) {
    return QColor(colour.red() / 2, colour.green() / 2, colour.blue() / 2);
}

QColor Inverse(const QColor& colour) {
    return QColor(255 - colour.red(), 255 - colour.green(), 255 - colour.blue());
}

void DrawTextCentredAt(QPainter& painter, const QPoint& centre, const QString& text) {
    const QFontMetrics fm = painter.fontMetrics();
    const int x = centre.x() - fm.horizontalAdvance(text) / 2;
    painter.drawText(x, centre.y() - fm.height() / 2 + fm.ascent(), text);
}

void DrawTextFromTopLeft(QPainter& painter, const QPoint& topLeft, const QString& text) {
    painter.drawText(topLeft.x(), topLeft.y() + painter.fontMetrics().ascent(), text);
}

void DrawTextRightAlignedAt(QPainter& painter, int x, int y, const QString& text) {
    const QFontMetrics fm = painter.fontMetrics();
    painter.drawText(x - fm.horizontalAdvance(text), y - fm.height() / 2 + fm.ascent(), text);
}

QString ChartTitle(const ChartQuantity& quantity) {
    return QString::asprintf("%s (%s)", qUtf8Printable(StringTable::label(quantity.titleId)),
                             quantity.unit);
}
