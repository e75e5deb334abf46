#include "ReportStyle.h"

#include <algorithm>
#include <cmath>

#include "StringTable.h"

namespace {

// Logical height of the device's default font that the page layouts were drawn for.
constexpr int kBaseFontHeight = 16;

// a * b / c rounded to the nearest integer, as the page layouts were measured with.
int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

QFont ReportFont(int pixelHeight, int weight, bool cjkFirst) {
    QFont font;
    font.setFamilies(ReportFontFamilies(cjkFirst));
    font.setPixelSize(std::max(1, pixelHeight));
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

QPen SolidPen(const QColor& colour, int width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

QStringList ReportFontFamilies(bool cjkFirst) {
    QStringList families{QStringLiteral("DejaVu Serif"), QString::fromLatin1(kReportCjkFamily),
                         StringTable::text(57702)};
    if (cjkFirst) families.swapItemsAt(0, 1);
    return families;
}

ReportStyle ReportStyle::ForResolution(double printerDpi, double screenDpi, bool cjkFirst) {
    ReportStyle s;
    s.printerDpi = printerDpi > 0 ? printerDpi : 96.0;
    s.screenDpi = screenDpi > 0 ? screenDpi : 96.0;
    s.lineWidth = static_cast<int>(s.printerDpi / s.screenDpi);
    s.black = SolidPen(QColor(0, 0, 0), s.lineWidth);
    s.blue = SolidPen(QColor(0, 0, 255), s.lineWidth);
    s.yellow = SolidPen(QColor(255, 255, 0), s.lineWidth);
    s.grey = SolidPen(QColor(132, 130, 132), s.lineWidth);
    const int h = MulDiv(kBaseFontHeight, static_cast<int>(s.printerDpi),
                         static_cast<int>(s.screenDpi * 1.25));
    s.regular = ReportFont(h, 400, cjkFirst);
    s.semiBold = ReportFont(h, 600, cjkFirst);
    s.large = ReportFont(static_cast<int>(h * 1.2), 600, cjkFirst);
    s.title = ReportFont(static_cast<int>(h * 1.5), 600, cjkFirst);
    return s;
}

int ReportStyle::scaledWidth(int k) const {
    return static_cast<int>(printerDpi * k / screenDpi);
}
