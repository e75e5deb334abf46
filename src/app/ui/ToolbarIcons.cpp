#include "ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "CommandIds.h"

namespace {

const QColor kInk(40, 70, 120);
const QColor kAccent(200, 40, 40);

void Cuff(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(120, 160, 220));
    p.drawRoundedRect(QRectF(6, 8, 12, 18), 3, 3);
    p.drawLine(QPointF(18, 14), QPointF(24, 14));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(26, 14), 4, 4);
}

void Arrow(QPainter& p, bool down) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(5, 20, 22, 8));
    p.setBrush(kAccent);
    QPainterPath a;
    if (down) {
        a.moveTo(12, 4);
        a.lineTo(20, 4);
        a.lineTo(20, 11);
        a.lineTo(25, 11);
        a.lineTo(16, 19);
        a.lineTo(7, 11);
        a.lineTo(12, 11);
    } else {
        a.moveTo(16, 3);
        a.lineTo(25, 11);
        a.lineTo(20, 11);
        a.lineTo(20, 18);
        a.lineTo(12, 18);
        a.lineTo(12, 11);
        a.lineTo(7, 11);
    }
    a.closeSubpath();
    p.drawPath(a);
}

void Folder(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(240, 200, 90));
    QPainterPath f;
    f.moveTo(3, 9);
    f.lineTo(12, 9);
    f.lineTo(15, 12);
    f.lineTo(29, 12);
    f.lineTo(29, 27);
    f.lineTo(3, 27);
    f.closeSubpath();
    p.drawPath(f);
}

void Trend(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.drawLine(4, 28, 28, 28);
    p.drawLine(4, 28, 4, 4);
    p.setPen(QPen(kAccent, 2));
    const QPointF pts[] = {{6, 20}, {11, 12}, {16, 16}, {21, 8}, {27, 14}};
    p.drawPolyline(pts, 5);
}

void Edit(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4, 20, 24));
    for (int y = 9; y <= 23; y += 5)
        p.drawLine(7, y, 21, y);
    p.setPen(QPen(kAccent, 3));
    p.drawLine(QPointF(18, 26), QPointF(28, 12));
}

void Bars(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    const int h[] = {10, 18, 14, 22};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? kAccent : QColor(90, 130, 200));
        p.drawRect(QRectF(4 + i * 6.5, 28 - h[i], 5, h[i]));
    }
}

void Pie(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(90, 130, 200));
    p.drawPie(QRectF(4, 4, 24, 24), 90 * 16, 250 * 16);
    p.setBrush(kAccent);
    p.drawPie(QRectF(4, 4, 24, 24), 340 * 16, 110 * 16);
}

void Printer(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
}

void Help(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(120, 160, 220));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont f = p.font();
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

void Exit(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(4, 3, 14, 26));
    p.setPen(QPen(kAccent, 3));
    p.drawLine(14, 16, 28, 16);
    p.drawLine(23, 11, 28, 16);
    p.drawLine(23, 21, 28, 16);
}

} // namespace

QIcon ToolbarIcon(int commandId) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (commandId) {
    case Cmd::Wearing:
        Cuff(p);
        break;
    case Cmd::Download:
        Arrow(p, true);
        break;
    case Cmd::Upload:
        Arrow(p, false);
        break;
    case Cmd::Open:
        Folder(p);
        break;
    case Cmd::BpTrend:
        Trend(p);
        break;
    case Cmd::EditReadings:
        Edit(p);
        break;
    case Cmd::BarCharts:
        Bars(p);
        break;
    case Cmd::PieCharts:
        Pie(p);
        break;
    case Cmd::Print:
        Printer(p);
        break;
    case Cmd::Help:
        Help(p);
        break;
    case Cmd::Exit:
        Exit(p);
        break;
    default:
        break;
    }
    p.end();
    return QIcon(pixmap);
}
