// The measurement-data pages (kinds 10 to 50): 45 readings each, failed values as "---".
#include <QPainter>

#include "GbkText.h"
#include "PageDrawing.h"
#include "ReportContext.h"
#include "ReportPages.h"
#include "StringTable.h"

using namespace PageDrawing;

namespace {

QString ValueOrDashes(int value, const char* suffix = "") {
    return value == 0 ? QStringLiteral("---") + QLatin1String(suffix)
                      : QString::number(value) + QLatin1String(suffix);
}

} // namespace

void DrawDataPage(QPainter& p, const QRect& page, const ReportContext& c, int kind) {
    DrawPageHeader(p, page, c);
    const int W = page.width(), H = page.height();
    const auto x18 = [W](int n) { return Frac(W, n, 18); };

    Heading(p, c, StringTable::label(57652), Frac(W, 4, 9), Frac(H, 9, 60), Frac(H, 10, 60),
            Frac(W, 5, 9));
    const std::pair<int, int> headings[] = {{x18(1), 57653}, {x18(3), 57654}, {W / 4, 57655},
                                            {x18(7), 57656}, {x18(9), 57657}, {x18(11), 57658},
                                            {x18(13), 57659}};
    for (const auto& [x, id] : headings)
        TextAt(p, x, Frac(H, 11, 60), StringTable::label(id));
    const int unitY = Frac(H, 12, 60);
    TextAt(p, x18(5), unitY, QStringLiteral("(mmHg)"));
    TextAt(p, x18(7), unitY, QStringLiteral("(BPM)"));
    TextAt(p, x18(9), unitY, QStringLiteral("(mmHg)"));
    TextAt(p, x18(11), unitY, QStringLiteral("(mmHg)"));

    const int count = static_cast<int>(c.dataReadings.size());
    const DataPageRows rows = RowsOfDataPage(kind - PageKinds::FirstDataPage, count);
    for (int i = 0; i < rows.count; ++i) {
        const BpReading& r = *c.dataReadings[static_cast<std::size_t>(rows.first + i)];
        const int y = Frac(H, 14 + i, 60);
        TextAt(p, Frac(W, 11, 180), y, QString::number(r.number + 1));
        TextAt(p, x18(3), y, ReadingTimeText(c.record.test, r.minutesFromStart));
        TextAt(p, x18(5), y, ValueOrDashes(r.systolic, "/") + ValueOrDashes(r.diastolic));
        TextAt(p, x18(7), y, ValueOrDashes(r.pulseRate));
        TextAt(p, x18(9), y, ValueOrDashes(r.meanPressure));
        TextAt(p, x18(11), y, ValueOrDashes(PulsePressureOf(r).value_or(0)));
        TextAt(p, x18(13), y, FromGbk(r.comment));
    }
}
