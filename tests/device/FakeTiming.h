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
inline std::time_t UtcTime(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day, t.tm_hour = hour;
    return t.tm_min = minute, timegm(&t);
}
