#include "WearingPicture.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

// Drawing units: the figure lives on a 300 x 400 grid.
constexpr double kGridW = 300, kGridH = 400;

const QColor kSkin(240, 205, 175);
const QColor kShirt(120, 160, 200);
const QColor kTrousers(70, 80, 110);
const QColor kCuff(60, 120, 80);
const QColor kRecorder(90, 90, 95);
const QColor kTube(30, 30, 30);

void Body(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(150, 55), 28, 32); // head
    p.drawRect(QRectF(140, 85, 20, 14));     // neck
    p.setBrush(kShirt);
    QPainterPath torso;
    torso.moveTo(100, 100);
    torso.lineTo(200, 100);
    torso.lineTo(195, 240);
    torso.lineTo(105, 240);
    torso.closeSubpath();
    p.drawPath(torso);
    p.setBrush(kTrousers);
    p.drawRect(QRectF(105, 240, 42, 150));
    p.drawRect(QRectF(153, 240, 42, 150));
    p.setBrush(Qt::darkGray);
    p.drawRect(QRectF(103, 232, 94, 12)); // belt
}

// The arms hang relaxed at the sides, as during a measurement.
void Arms(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(kShirt);
    p.drawRect(QRectF(72, 102, 26, 70));  // the patient's right upper arm (viewer's left)
    p.drawRect(QRectF(202, 102, 26, 70)); // left upper arm, carries the cuff
    p.setBrush(kSkin);
    p.drawRect(QRectF(74, 172, 22, 80));
    p.drawRect(QRectF(204, 172, 22, 80));
    p.drawEllipse(QPointF(85, 262), 12, 14);
    p.drawEllipse(QPointF(215, 262), 12, 14);
}

void CuffAndRecorder(QPainter& p) {
    // Cuff: lower edge two finger-widths above the elbow.
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(kCuff);
    p.drawRoundedRect(QRectF(198, 118, 34, 40), 4, 4);
    // Tube: up from the cuff, behind the neck, down to the recorder on the belt.
    QPainterPath tube;
    tube.moveTo(215, 118);
    tube.cubicTo(215, 90, 175, 78, 150, 96);
    tube.cubicTo(120, 110, 118, 180, 128, 226);
    p.setPen(QPen(kTube, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tube);
    // Recorder in its pouch.
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(kRecorder);
    p.drawRoundedRect(QRectF(110, 222, 40, 44), 5, 5);
    p.setBrush(QColor(170, 220, 170));
    p.drawRect(QRectF(116, 229, 28, 14)); // display
    p.setBrush(QColor(220, 60, 60));
    p.drawEllipse(QPointF(130, 254), 5, 5); // start key
}

void Labels(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    QFont f = p.font();
    f.setPixelSize(14);
    p.setFont(f);
    p.drawLine(QPointF(232, 138), QPointF(256, 150));
    p.drawText(QRectF(230, 150, 70, 18), Qt::AlignCenter,
               QCoreApplication::translate("WearingPicture", "袖带"));
    p.drawLine(QPointF(110, 250), QPointF(60, 290));
    p.drawText(QRectF(0, 290, 100, 18), Qt::AlignCenter,
               QCoreApplication::translate("WearingPicture", "记录仪"));
}

} // namespace

WearingPicture::WearingPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(180, 240);
}

void WearingPicture::Paint(QPainter& painter, const QRectF& frame) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(frame, Qt::white);
    const double scale = std::min(frame.width() / kGridW, frame.height() / kGridH);
    painter.translate(frame.center().x() - kGridW * scale / 2,
                      frame.center().y() - kGridH * scale / 2);
    painter.scale(scale, scale);
    Body(painter);
    Arms(painter);
    CuffAndRecorder(painter);
    Labels(painter);
    painter.restore();
}

void WearingPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, rect());
}
