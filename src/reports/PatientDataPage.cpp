// The patient data page (kind 0): identity and address, current medication, the physicians
// and the comments of the test.
#include <QPainter>

#include "PageDrawing.h"
#include "ReportContext.h"
#include "ReportPages.h"
#include "StringTable.h"

using namespace PageDrawing;

void DrawPatientDataPage(QPainter& p, const QRect& page, const ReportContext& c, int) {
    DrawPageHeader(p, page, c);
    const TextGrid g(page);
    const int W = g.W, H = g.H, left = g.left(), value = g.value();
    const ReportRecordTexts& t = c.texts;

    Heading(p, c, StringTable::label(57661), Frac(W, 32, 70), Frac(H, 9, 60), Frac(H, 10, 60),
            Frac(W, 39, 70));
    const auto line = [&](int n, int labelId, const QString& text) {
        TextAt(p, left, g.row(n), StringTable::label(labelId));
        TextAt(p, value, g.row(n), text);
    };
    line(12, 57662, t.name);
    line(13, 57663, t.id);
    TextAt(p, left, g.row(14), StringTable::label(57664));
    const int a = static_cast<int>(t.address.size());
    for (int i = 0; i < a; ++i)
        TextAt(p, value, g.row(14 + i), t.address[i]);
    line(a + 15, 57665, t.phone);
    line(a + 16, 57666, t.race);
    line(a + 17, 57667, t.birthday);
    line(a + 18, 57668, t.gender);
    line(a + 19, 57669, t.height);
    line(a + 20, 57670, t.weight);

    Heading(p, c, StringTable::label(57671), Frac(W, 30, 70), g.row(a + 22), g.row(a + 23),
            Frac(W, 39, 68));
    // Medications follow each other by the height of a line, not by rows.
    const int step = p.fontMetrics().size(Qt::TextSingleLine, QStringLiteral("88")).height();
    for (int i = 0; i < t.medications.size(); ++i)
        TextAt(p, left, g.row(a + 24) + i * step, t.medications[i]);

    const int b = a + static_cast<int>(t.medications.size());
    Heading(p, c, StringTable::label(57672), Frac(W, 32, 70), g.row(b + 25), g.row(b + 26),
            Frac(W, 39, 70));
    line(b + 28, 57673, t.interpretingPhysician);
    line(b + 29, 57674, t.referringPhysician);

    BoxLines(p, c, W / 18, g.row(b + 31), Frac(W, 17, 18), Frac(H, 67, 70));
    for (int i = 0; i < t.comments.size(); ++i)
        TextAt(p, W / 15, g.row(b + 32 + i), t.comments[i]);
}
