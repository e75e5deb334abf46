#pragma once

#include <string>

// The ambulatory plan as the plan dialog holds it: list positions, counted from 0, and the
// patient's name and identifier as GBK bytes. The defaults are the dialog's first-use values.
struct PlanChoices {
    std::string patientName;
    std::string patientId;
    int awakeTime = 14;   // half-hour slot: 07:00
    int awakeSpan = 1;    // 5 minutes
    int asleepTime = 44;  // 22:00
    int asleepSpan = 5;   // 30 minutes
    int specialStart = 0; // 0 none, p > 0 the half-hour slot p - 1
    int specialEnd = 0;
    int specialSpan = 0;
    int startKey = 0; // 0 on, 1 off
    int display = 0;  // 0 on, 1 off

    static constexpr int kHalfHours = 48;
    static constexpr int kSpecialEntries = kHalfHours + 1;
    static constexpr int kIntervalEntries = 10;

    // Minutes of interval list position p; 0xFF for "none" (position 0).
    static int IntervalMinutes(int position);
    // Interval list position of a number of minutes, -1 when the list has no such entry.
    static int IntervalPosition(int minutes);

    // True when every position lies within its list.
    bool inRange() const;
};
