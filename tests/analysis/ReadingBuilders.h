#pragma once

#include <memory>
#include <vector>

#include "PatientRecord.h"
#include "ReadingSets.h"

inline BpReading Reading(int systolic, int diastolic, int pulseRate = 70, int minutesFromStart = 0,
                         int included = 1) {
    BpReading r;
    r.systolic = systolic;
    r.diastolic = diastolic;
    r.pulseRate = pulseRate;
    r.meanPressure = (systolic + 2 * diastolic) / 3;
    r.minutesFromStart = minutesFromStart;
    r.included = included;
    return r;
}

// Heap-allocated: a test holds room for 1024 readings.
inline std::unique_ptr<TestRecord> MakeTest(int startMinuteOfDay, int awakeMinute, int asleepMinute,
                                            const std::vector<BpReading>& readings) {
    auto test = std::make_unique<TestRecord>();
    test->section = "TEST 1";
    test->startMinuteOfDay = startMinuteOfDay;
    test->hourBegin = startMinuteOfDay / 60;
    test->minBegin = startMinuteOfDay % 60;
    test->awakeStartMinute = awakeMinute;
    test->asleepStartMinute = asleepMinute;
    for (const BpReading& r : readings) {
        BpReading& slot = test->readings[static_cast<std::size_t>(test->readingCount)];
        slot = r;
        slot.number = test->readingCount++;
    }
    return test;
}

inline ReadingSet SetOf(std::initializer_list<BpReading> readings) {
    return ReadingSet(readings);
}
