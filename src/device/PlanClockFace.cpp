#include "PlanClockFace.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

PlanClockFace::PlanClockFace(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 160);
}

void PlanClockFace::setPeriods(int awakeStart, int asleepStart, int specialStart, int specialEnd) {
    m_awake = awakeStart;
    m_asleep = asleepStart;
    m_specialStart = specialStart;
    m_specialEnd = specialEnd;
    update();
}

QRectF PlanClockFace::DialRect(const QSize& size) {
    // Room for a label line above and below and a label column left and right.
    const double labelW = 44, labelH = 20;
    const double side =
        std::max(10.0, std::min(size.width() - 2 * labelW, size.height() - 2 * labelH));
    return {(size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side};
}

// The sector from slot "from" clockwise to slot "to"; equal slots paint nothing.
void PlanClockFace::paintSector(QPainter& painter, const QRectF& dial, int from, int to,
                                const QColor& color) const {
    const int steps = ((to - from) % 48 + 48) % 48;
    if (steps == 0) return;
    QPainterPath path;
    path.moveTo(dial.center());
    path.arcTo(dial, SlotAngle(from), -7.5 * steps);
    path.closeSubpath();
    painter.fillPath(path, color);
}

void PlanClockFace::paintLabels(QPainter& painter, const QRectF& dial) const {
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(painter.font());
    const auto put = [&](const QString& text, QPointF anchor, Qt::Alignment align) {
        const QSizeF size(metrics.horizontalAdvance(text) + 2, metrics.height());
        QRectF box(QPointF(0, 0), size);
        if (align & Qt::AlignHCenter)
            box.moveLeft(anchor.x() - size.width() / 2);
        else if (align & Qt::AlignRight)
            box.moveRight(anchor.x());
        else
            box.moveLeft(anchor.x());
        if (align & Qt::AlignBottom)
            box.moveBottom(anchor.y());
        else if (align & Qt::AlignTop)
            box.moveTop(anchor.y());
        else
            box.moveTop(anchor.y() - size.height() / 2);
        painter.drawText(box, Qt::AlignCenter, text);
    };
    // Each label 5 pixels from the circle.
    put(QStringLiteral("00:00"), {dial.center().x(), dial.top() - 5},
        Qt::AlignHCenter | Qt::AlignBottom);
    put(QStringLiteral("12:00"), {dial.center().x(), dial.bottom() + 5},
        Qt::AlignHCenter | Qt::AlignTop);
    put(QStringLiteral("18:00"), {dial.left() - 5, dial.center().y()}, Qt::AlignRight);
    put(QStringLiteral("06:00"), {dial.right() + 5, dial.center().y()}, Qt::AlignLeft);
}

void PlanClockFace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF dial = DialRect(size());
    if (m_awake != m_asleep) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(dial);
        paintSector(painter, dial, m_awake, m_asleep, Qt::white);
    }
    if (m_specialStart > 0 && m_specialEnd > 0)
        paintSector(painter, dial, m_specialStart - 1, m_specialEnd - 1, QColor(0, 0, 255));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawEllipse(dial);
    paintLabels(painter, dial);
}
