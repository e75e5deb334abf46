#pragma once

#include <ctime>
#include <vector>

#include "DeviceTiming.h"

// A fixed clock and pauses that are only recorded.
struct FakeTiming {
    std::time_t now = 0;
    std::vector<int> waits;

    DeviceTiming timing() {
        return {[this] { return now; }, [this](int ms) { waits.push_back(ms); }};
    }
};

// A UTC calendar time (the tests run with TZ=UTC).
std::time_t UtcTime(int year, int month, int day, int hour, int minute, int second = 0);
