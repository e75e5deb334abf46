#include "ReadingSets.h"

#include <algorithm>

ReadingSets::ReadingSets() {
    included.reserve(kMaxReadings);
    awake.reserve(kMaxReadings);
    asleep.reserve(kMaxReadings);
}

void ReadingSets::clear() {
    included.clear();
    awake.clear();
    asleep.clear();
}

int ClockMinute(int startMinuteOfDay, int minutesFromStart) {
    // Wide arithmetic and a non-negative remainder: a damaged start time must not overflow or
    // give a minute outside the day.
    const long long total = static_cast<long long>(startMinuteOfDay) + minutesFromStart;
    return static_cast<int>(((total % 1440) + 1440) % 1440);
}

bool IsAsleep(int clockMinute, int awakeMinute, int asleepMinute) {
    if (asleepMinute > awakeMinute)
        return !(awakeMinute <= clockMinute && clockMinute <= asleepMinute);
    return asleepMinute <= clockMinute && clockMinute <= awakeMinute;
}

bool TakesPartInAnalysis(const BpReading& reading) {
    return reading.included == 1 && reading.systolic > 0;
}

void ClassifyReadings(const TestRecord& test, ReadingSets& sets) {
    sets.clear();
    const int count = std::clamp(test.readingCount, 0, kMaxReadings);
    for (int i = 0; i < count; ++i) {
        const BpReading& reading = test.readings[static_cast<std::size_t>(i)];
        if (!TakesPartInAnalysis(reading)) continue;
        sets.included.push_back(reading);
        const int minute = ClockMinute(test.startMinuteOfDay, reading.minutesFromStart);
        if (IsAsleep(minute, test.awakeStartMinute, test.asleepStartMinute))
            sets.asleep.push_back(reading);
        else
            sets.awake.push_back(reading);
    }
}
