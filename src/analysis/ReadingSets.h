#pragma once

#include <vector>

#include "PatientRecord.h"

// A list of copies of whole readings, in file order. Room for kMaxReadings is reserved once,
// so refilling it on every redraw allocates no room per reading.
using ReadingSet = std::vector<BpReading>;

// The readings of the loaded test that take part in the analysis and their split into the awake
// and asleep period. Every included reading is in exactly one of awake and asleep.
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

// A reading takes part in the analysis when its inclusion flag is exactly 1 and it holds a
// measurement: a failed one is stored with systolic 0 and would be averaged as a zero.
bool TakesPartInAnalysis(const BpReading& reading);

// Rebuilds the three sets from the test: every reading that takes part in the analysis.
void ClassifyReadings(const TestRecord& test, ReadingSets& sets);
