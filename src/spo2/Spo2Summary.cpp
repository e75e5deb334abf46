#include "Spo2Summary.h"

#include <cstdio>

#include "Spo2Analysis.h"

namespace Spo2Summary {

namespace {

template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[64];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

std::string Tenths(double value) {
    return Format("%3.1f", value);
}

// An average of 0 means there was nothing to average.
std::string TenthsOrNone(double value) {
    return value == 0.0 ? kNoFigure : Tenths(value);
}

struct ColumnInput {
    int events;
    int eventSeconds;
    int length;
    int zeroSeconds;
    double average;
    int minimum;
};

Spo2ColumnTexts Column(const ColumnInput& in) {
    Spo2ColumnTexts t;
    t.totalEvents = Format("%d", in.events);
    t.totalEventMinutes = Tenths(in.eventSeconds * (1.0 / 60));
    t.averageEventSeconds = in.events == 0
                                ? Format("%2.1f", 0.0)
                                : Tenths(static_cast<double>(in.eventSeconds) / in.events);
    const int withData = in.length - in.zeroSeconds;
    t.indexPerHour = in.length == 0 ? kNoFigure : Tenths(in.events * 3600.0 / in.length);
    t.artefactPercent = in.length == 0 ? kNoFigure : Tenths(in.zeroSeconds * 100.0 / in.length);
    t.adjustedIndex = withData == 0 ? kNoFigure : Tenths(in.events * 3600.0 / withData);
    t.average = TenthsOrNone(in.average);
    t.minimum = Format("%d", in.minimum);
    return t;
}

Spo2LevelRow LevelRow(const Spo2Analysis& a, int upper, int secondsWithData) {
    Spo2LevelRow row;
    row.band = Format(" %d - %d ", upper - 1, upper - 5);
    row.events = Format("%d", a.eventsBelow(upper) - a.eventsBelow(upper - 5));
    row.below = Format(" %d", upper);
    if (secondsWithData != 0) row.time = Tenths(a.secondsBelow(upper) * 100.0 / secondsWithData);
    return row;
}

} // namespace

Spo2SummaryTexts Figures(const Spo2Analysis& a) {
    Spo2SummaryTexts t;
    t.spo2 = Column({a.eventCount(), a.totalEventSeconds(), a.seriesLength(), a.zeroSeconds(),
                     a.averageSpo2(), a.minimumSpo2()});
    t.pulse = Column({a.pulseEventCount(), a.totalPulseEventSeconds(), a.seriesLength(),
                      a.pulseZeroSeconds(), a.averagePulse(), a.minimumPulse()});
    t.minutesBelowCritical = Tenths(a.eventSecondsBelow(a.criticalLevel()) * (1.0 / 60));
    t.eventsBelowCritical = Format("%d", a.eventsBelow(a.criticalLevel()));
    t.lowAverage = TenthsOrNone(a.averageEventLow(100));
    t.lowAverageBelow88 = TenthsOrNone(a.averageEventLow(kLowAverageLevel));
    return t;
}

std::array<Spo2LevelRow, kSpo2LevelRows> LevelTable(const Spo2Analysis& a) {
    std::array<Spo2LevelRow, kSpo2LevelRows> rows;
    const int secondsWithData = a.secondsBelow(101);
    for (int i = 0; i < kSpo2LevelRows; ++i)
        rows[static_cast<std::size_t>(i)] = LevelRow(a, 100 - 5 * i, secondsWithData);
    return rows;
}

} // namespace Spo2Summary
