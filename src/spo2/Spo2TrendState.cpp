#include "Spo2TrendState.h"

#include <algorithm>
#include <cstdio>

#include "Spo2Series.h"

namespace {

struct FixedWindow {
    int seconds;
    int gridStep;
};

constexpr FixedWindow kFixedWindows[] = {{60, 10}, {600, 60}, {3600, 300}};

// Days since 1970-01-01 of a proleptic Gregorian date, and back. The recorder counts seconds
// on its own clock, so the time is plain calendar arithmetic without a time zone.
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153LL * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, long long& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

} // namespace

void Spo2TrendState::setWindow(int seconds, int step) {
    lengthSelector = SelectorOf(seconds);
    offset = 0;
    window = seconds;
    gridStep = step;
}

void Spo2TrendState::chooseFixedWindow(Selector selector) {
    const FixedWindow& w = kFixedWindows[std::clamp(static_cast<int>(selector), 0, 2)];
    setWindow(w.seconds, w.gridStep);
}

void Spo2TrendState::chooseManualWindow(int seconds) {
    setWindow(std::max(0, seconds), ManualGridStep(seconds));
}

int Spo2TrendState::ManualGridStep(int windowSeconds) {
    if (windowSeconds > 60 && windowSeconds <= 600) return 60;
    if (windowSeconds > 600 && windowSeconds <= 3600) return 300;
    return 3600;
}

int Spo2TrendState::GridStepOf(int windowSeconds) {
    for (const FixedWindow& w : kFixedWindows)
        if (w.seconds == windowSeconds) return w.gridStep;
    return ManualGridStep(windowSeconds);
}

int Spo2TrendState::SelectorOf(int windowSeconds) {
    switch (windowSeconds) {
    case 60:
        return OneMinute;
    case 600:
        return TenMinutes;
    case 3600:
        return OneHour;
    default:
        return Manual;
    }
}

// A page is one window of seconds, a step one grid cell.
void Spo2TrendState::pageLeft() {
    if (window <= 0) return;
    offset = std::max(0, offset - window);
}

void Spo2TrendState::stepLeft() {
    if (window <= 0) return;
    offset = std::max(0, offset - gridStep);
}

void Spo2TrendState::stepRight(int length) {
    if (window <= 0) return;
    const long long next = static_cast<long long>(offset) + gridStep;
    if (next < static_cast<long long>(length) - window + gridStep) offset = static_cast<int>(next);
}

void Spo2TrendState::pageRight(int length) {
    if (window <= 0) return;
    const long long next = static_cast<long long>(offset) + window;
    if (next < length) offset = static_cast<int>(next);
}

void Spo2TrendState::applyOffset(int length) {
    if (offset >= length) offset = std::max(0, offset - std::max(0, window));
    // A window longer than the series can still leave the offset behind its end.
    if (offset >= length) offset = 0;
}

namespace Spo2TrendText {

std::string Elapsed(int seconds) {
    char text[32];
    if (seconds < 60)
        std::snprintf(text, sizeof text, "%d", seconds);
    else if (seconds < 3600)
        std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds % 3600 / 60,
                      seconds % 60);
    return text;
}

std::string CalendarTime(const Spo2Series& s, int offset) {
    const long long total = (DaysFromCivil(s.year, s.month, s.day) * 24 + s.hour) * 3600LL +
                            s.minute * 60LL + s.second + offset;
    long long days = total / 86400;
    long long rest = total % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    long long year = 0;
    int month = 0, day = 0;
    CivilFromDays(days, year, month, day);
    char text[64];
    std::snprintf(text, sizeof text, "%lld-%d-%d %02d:%02d:%02d", year, month, day,
                  static_cast<int>(rest / 3600), static_cast<int>(rest % 3600 / 60),
                  static_cast<int>(rest % 60));
    return text;
}

} // namespace Spo2TrendText
