#include "ReadingsCsv.h"

#include <QSaveFile>
#include <QStringList>
#include <algorithm>

#include "GbkText.h"
#include "ReadingCells.h"
#include "ReadingSets.h"

namespace {

QString Field(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// A value of 0 is a value the recorder did not measure.
QString Value(int value) {
    return value == 0 ? QString() : QString::number(value);
}

QString Line(const TestRecord& test, const BpReading& r) {
    const ReadingCells::ReadingClock clock = ReadingCells::ClockOf(test, r.minutesFromStart);
    const bool failed = r.systolic == 0;
    const bool asleep = IsAsleep(ClockMinute(test.startMinuteOfDay, r.minutesFromStart),
                                 test.awakeStartMinute, test.asleepStartMinute);
    const QStringList fields = {
        QString::number(r.number + 1),
        QString::asprintf("%04d-%02d-%02d", clock.year, clock.month, clock.day),
        QString::asprintf("%02d:%02d", clock.hour, clock.minute),
        Value(r.systolic),
        Value(r.diastolic),
        Value(r.pulseRate),
        Value(r.meanPressure),
        PulsePressureOf(r) ? QString::number(*PulsePressureOf(r)) : QString(),
        asleep ? QStringLiteral("asleep") : QStringLiteral("awake"),
        r.included == 1 ? QStringLiteral("1") : QStringLiteral("0"),
        failed ? QStringLiteral("1") : QStringLiteral("0"),
        QString::number(r.errorCode),
        Field(FromGbk(r.comment)),
    };
    return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace

QByteArray ReadingsCsv(const TestRecord& test) {
    QString text = QStringLiteral("number,date,time,systolic,diastolic,heart rate,mean pressure,"
                                  "pulse pressure,period,included,failed,error code,comment\r\n");
    const int count = std::clamp(test.readingCount, 0, kMaxReadings);
    for (int i = 0; i < count; ++i)
        text += Line(test, test.readings[static_cast<std::size_t>(i)]);
    return text.toUtf8();
}

bool WriteReadingsCsv(const TestRecord& test, const QString& path, QString* error) {
    QSaveFile file(path);
    const QByteArray text = ReadingsCsv(test);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}
