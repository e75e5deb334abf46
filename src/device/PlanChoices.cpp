#include "PlanChoices.h"

#include <array>

namespace {
constexpr std::array<int, PlanChoices::kIntervalEntries> kIntervals = {0xFF, 5,  10, 15, 20,
                                                                       30,   45, 60, 90, 120};
bool Within(int value, int entries) {
    return value >= 0 && value < entries;
}
} // namespace

int PlanChoices::IntervalMinutes(int position) {
    return Within(position, kIntervalEntries) ? kIntervals[position] : 0xFF;
}

int PlanChoices::IntervalPosition(int minutes) {
    for (int p = 1; p < kIntervalEntries; ++p)
        if (kIntervals[p] == minutes) return p;
    return -1;
}

bool PlanChoices::inRange() const {
    return Within(awakeTime, kHalfHours) && Within(asleepTime, kHalfHours) &&
           Within(specialStart, kSpecialEntries) && Within(specialEnd, kSpecialEntries) &&
           Within(awakeSpan, kIntervalEntries) && Within(asleepSpan, kIntervalEntries) &&
           Within(specialSpan, kIntervalEntries) && Within(startKey, 2) && Within(display, 2);
}
