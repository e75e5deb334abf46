#include "ReadingCells.h"

#include <chrono>

#include "GbkText.h"
#include "StringTable.h"

namespace ReadingCells {
namespace {

long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days added to a start date; a start date that is not a calendar date (a damaged record)
// only gets the days added to its day number.
void AddDays(ReadingClock& clock, long long days) {
    using namespace std::chrono;
    const year_month_day start{year{clock.year}, month{static_cast<unsigned>(clock.month)},
                               day{static_cast<unsigned>(clock.day)}};
    if (!start.ok()) {
        clock.day += static_cast<int>(days);
        return;
    }
    const year_month_day end{sys_days{start} + std::chrono::days{days}};
    clock.year = static_cast<int>(end.year());
    clock.month = static_cast<int>(static_cast<unsigned>(end.month()));
    clock.day = static_cast<int>(static_cast<unsigned>(end.day()));
}

} // namespace

ReadingClock ClockOf(const TestRecord& test, int minutesFromStart) {
    ReadingClock clock{test.yearBegin, test.monthBegin, test.dayBegin, 0, 0};
    const long long total =
        static_cast<long long>(test.hourBegin) * 60 + test.minBegin + minutesFromStart;
    const long long days = FloorDiv(total, 1440);
    const long long minuteOfDay = total - days * 1440;
    clock.hour = static_cast<int>(minuteOfDay / 60);
    clock.minute = static_cast<int>(minuteOfDay % 60);
    AddDays(clock, days);
    return clock;
}

QString TimeText(int hour, int minute) {
    if (minute >= 10) return QString::asprintf("%d:%d", hour, minute);
    return QString::asprintf("%d:%d%d", hour, 0, minute);
}

QString DateText(const ReadingClock& clock) {
    return QString::asprintf("%d-%d-%d", clock.year, clock.month, clock.day);
}

ErrorInfo ErrorInfoOf(int errorCode) {
    switch (errorCode) {
    case 0:
    case 3:
        return {0, 0};
    case 1:
        return {0, 57805};
    case 2:
        return {102, 57809};
    case 4:
        return {90, 57808};
    case 5:
        return {86, 57804};
    case 6:
        return {85, 57803};
    case 7:
        return {87, 57805};
    case 8:
        return {2, 57801};
    case 9:
        return {1, 57800};
    case 10:
        return {110, 57810};
    case 11:
        return {2, 57801};
    case 12:
        return {89, 57807};
    case 14:
        return {114, 57805};
    case 15:
        return {115, 57811};
    case 19:
        return {4, 57802};
    default:
        return {0, 57805};
    }
}

QString ErrorNumberText(int errorCode) {
    const int number = ErrorInfoOf(errorCode).number;
    return number == 0 ? QString() : QString::number(number);
}

QString ErrorText(int errorCode) {
    const int id = ErrorInfoOf(errorCode).textId;
    return id == 0 ? QString() : StringTable::label(id);
}

QString ExclusionText(const BpReading& reading) {
    return reading.included == 1 ? QString() : QStringLiteral("*");
}

QString NumberText(const BpReading& reading) {
    QString text = QString::number(reading.number + 1);
    if (reading.marked == 1) text += QLatin1Char('+');
    return text;
}

QString ValueText(int value) {
    return value == 0 ? QStringLiteral("---") : QString::number(value);
}

QString PressureText(const BpReading& reading) {
    return ValueText(reading.systolic) + QLatin1Char('/') + ValueText(reading.diastolic);
}

QString PulsePressureText(const BpReading& reading) {
    const std::optional<int> difference = PulsePressureOf(reading);
    if (!difference || *difference == 0) return QStringLiteral("---");
    return QString::number(*difference);
}

bool ShowsErrorText(const BpReading& reading) {
    return reading.comment.empty();
}

QString CommentText(const BpReading& reading) {
    if (ShowsErrorText(reading)) return ErrorText(reading.errorCode);
    return FromGbk(reading.comment);
}

QString CellText(const TestRecord& test, const BpReading& reading, int column) {
    switch (column) {
    case Exclusion:
        return ExclusionText(reading);
    case Number:
        return NumberText(reading);
    case Time: {
        const ReadingClock clock = ClockOf(test, reading.minutesFromStart);
        return TimeText(clock.hour, clock.minute);
    }
    case Date:
        return DateText(ClockOf(test, reading.minutesFromStart));
    case Pressure:
        return PressureText(reading);
    case HeartRate:
        return ValueText(reading.pulseRate);
    case MeanPressure:
        return ValueText(reading.meanPressure);
    case PulsePressure:
        return PulsePressureText(reading);
    case ErrorNumber:
        return ErrorNumberText(reading.errorCode);
    case Comment:
        return CommentText(reading);
    default:
        return {};
    }
}

QString ExclusionSummary(int excluded, int total) {
    const double percent = total > 0 ? static_cast<double>(excluded) / total * 100.0 : 0.0;
    return QString::asprintf("*=%d/%d(%.1f%s)", excluded, total, percent, "%");
}

} // namespace ReadingCells
