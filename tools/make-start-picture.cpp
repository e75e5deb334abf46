// Draws the start page picture "bkPicture.jpg": a day of blood-pressure bars over graph paper,
// a pulse trace and the program's name. Usage: make-start-picture OUT.jpg
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;

void PaintPaper(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(172, 255, 255));
    sky.setColorAt(1.0, QColor(245, 255, 255));
    p.fillRect(0, 0, kWidth, kHeight, sky);
    p.setPen(QPen(QColor(120, 200, 210, 90), 1));
    for (int x = 0; x <= kWidth; x += 40)
        p.drawLine(x, 0, x, kHeight);
    for (int y = 0; y <= kHeight; y += 40)
        p.drawLine(0, y, kWidth, y);
}

// A day and a night of readings: higher by day, a dip at night.
void PaintReadings(QPainter& p) {
    const double pi = std::acos(-1.0);
    const int count = 48;
    const double left = 140, right = 1460, base = 760, scale = 2.6;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / (count - 1);
        const double day = std::cos(2 * pi * t) * 0.5 + 0.5; // 1 at both ends, 0 at night
        const double wobble = std::sin(i * 1.7) * 6 + std::sin(i * 0.6) * 4;
        const double sys = 112 + 24 * day + wobble;
        const double dia = 68 + 16 * day + wobble * 0.6;
        const double x = left + t * (right - left);
        const QColor colour = day > 0.5 ? QColor(214, 66, 66) : QColor(60, 90, 200);
        p.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, base - sys * scale), QPointF(x, base - dia * scale));
    }
}

void PaintPulseTrace(QPainter& p) {
    QPainterPath trace(QPointF(0, 820));
    for (int x = 0; x <= kWidth; x += 200) {
        trace.lineTo(x + 80, 820);
        trace.lineTo(x + 95, 800);
        trace.lineTo(x + 110, 860);
        trace.lineTo(x + 125, 770);
        trace.lineTo(x + 140, 830);
        trace.lineTo(x + 155, 820);
        trace.lineTo(x + 200, 820);
    }
    p.setPen(QPen(QColor(0, 150, 110), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace);
}

void PaintHeart(QPainter& p, QPointF centre, double size) {
    QPainterPath heart;
    heart.moveTo(centre + QPointF(0, size * 0.35));
    heart.cubicTo(centre + QPointF(-size * 0.05, size * 0.25), centre + QPointF(-size * 0.6, 0),
                  centre + QPointF(-size * 0.5, -size * 0.3));
    heart.cubicTo(centre + QPointF(-size * 0.4, -size * 0.6), centre + QPointF(0, -size * 0.5),
                  centre + QPointF(0, -size * 0.25));
    heart.cubicTo(centre + QPointF(0, -size * 0.5), centre + QPointF(size * 0.4, -size * 0.6),
                  centre + QPointF(size * 0.5, -size * 0.3));
    heart.cubicTo(centre + QPointF(size * 0.6, 0), centre + QPointF(size * 0.05, size * 0.25),
                  centre + QPointF(0, size * 0.35));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 40, 60));
    p.drawPath(heart);
}

void PaintTitle(QPainter& p) {
    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(20, 60, 110));
    p.drawText(QRect(0, 60, kWidth, 90), Qt::AlignCenter, QStringLiteral("动态血压监测"));
    QFont subtitle(QStringLiteral("Noto Sans"));
    subtitle.setPixelSize(30);
    p.setFont(subtitle);
    p.drawText(QRect(0, 150, kWidth, 50), Qt::AlignCenter,
               QStringLiteral("Ambulatory Blood Pressure Monitoring"));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make-start-picture OUT.jpg\n");
        return 2;
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintPaper(p);
    PaintReadings(p);
    PaintPulseTrace(p);
    PaintHeart(p, QPointF(1380, 130), 110);
    PaintTitle(p);
    p.end();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "JPG", 90)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
