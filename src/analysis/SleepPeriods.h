#pragma once

#include <string>

#include "PatientRecord.h"

// The awake and asleep times of a test, stored in its section of the record file as half-hour
// slots (0 = 0:00 ... 47 = 23:30) under "Awake Time" and "Asleep Time".
namespace SleepPeriods {

constexpr int kSlotCount = 48;
constexpr int kDefaultAwakeSlot = 14;  // 7:00
constexpr int kDefaultAsleepSlot = 44; // 22:00

struct Slots {
    int awake = kDefaultAwakeSlot;
    int asleep = kDefaultAsleepSlot;
};

bool IsValidSlot(int slot);
// The list text of a slot: hours without a leading zero, "0:00" ... "23:30".
std::string SlotText(int slot);

// Reads the two slots as stored (defaults for missing keys). A missing or unreadable file
// gives false and the defaults; the file is never created.
bool Read(const std::string& recordPath, const std::string& testSection, Slots& slots);

// Writes "Asleep Time" and then "Awake Time" into the test's section and saves the file; only
// when the file holds them are the test's minutes (slot * 30) updated. Slots outside 0 ... 47
// and a missing file are refused with false, and nothing is written.
bool Write(const std::string& recordPath, const Slots& slots, TestRecord& test);

} // namespace SleepPeriods
