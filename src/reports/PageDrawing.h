#pragma once

#include <QRect>
#include <QString>

#include "PatientRecord.h"

class QFont;
class QPainter;
struct ReportContext;

// Geometry shared by the report pages. A page is W x H device pixels of the printable area
// with its origin at the top-left corner; every position is an integer fraction of W or H.
namespace PageDrawing {

// size * numerator / denominator, truncated.
int Frac(int size, int numerator, int denominator);

// The grid of the text pages: rows of H / 70 and the label and value columns.
struct TextGrid {
    int W, H;
    explicit TextGrid(const QRect& page) : W(page.width()), H(page.height()) {}
    int row(int n) const { return Frac(H, n, 70); }
    int left() const { return Frac(W, 11, 180); }
    int value() const { return Frac(W, 13, 40); }
};
// Draws text with its top-left corner at (x, y) in the painter's font.
void TextAt(QPainter& painter, int x, int y, const QString& text);
// Height of a line of text in the painter's font.
int TextHeight(const QPainter& painter);
// A heading in the large font at (x, y), underlined at underlineY from x to underlineEndX
// with the black pen. The regular font is selected afterwards.
void Heading(QPainter& painter, const ReportContext& context, const QString& text, int x, int y,
             int underlineY, int underlineEndX);
// The four sides of the rectangle from (left, top) to (right, bottom), black pen.
void BoxLines(QPainter& painter, const ReportContext& context, int left, int top, int right,
              int bottom);
// Minutes from the start of the test to its last reading, excluded ones too.
int TestMinutes(const TestRecord& test);
// The clock time of a reading: "(07:05)".
QString ReadingTimeText(const TestRecord& test, int minutesFromStart);

} // namespace PageDrawing

// The frame and header every BP page and data page starts with: the report heading, the
// layout's title, the patient's name and number and the start of the test.
void DrawPageHeader(QPainter& painter, const QRect& page, const ReportContext& context);
