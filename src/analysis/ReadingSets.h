#pragma once

#include <vector>

#include "PatientRecord.h"

// A list of copies of whole readings, in file order. Room for kMaxReadings is reserved once,
// so refilling it on every redraw allocates no room per reading.
using ReadingSet = std::vector<BpReading>;

// The included readings of the loaded test and their split into the awake and asleep period.
// Every included reading is in exactly one of awake and asleep.
struct ReadingSets {
    ReadingSet included;
    ReadingSet awake;
    ReadingSet asleep;

    ReadingSets();
    void clear();
};

// Minute of the day (0 ... 1439) at which a reading was taken.
int ClockMinute(int startMinuteOfDay, int minutesFromStart);

// True when clockMinute lies in the asleep period that starts at asleepMinute and ends at
// awakeMinute. Both limits are inclusive: when the night wraps midnight (asleep > awake) the
// limits belong to the awake period, otherwise to the asleep period.
bool IsAsleep(int clockMinute, int awakeMinute, int asleepMinute);

// Rebuilds the three sets from the test: every reading whose inclusion flag is exactly 1.
void ClassifyReadings(const TestRecord& test, ReadingSets& sets);
