#pragma once

#include <cstdint>
#include <vector>

// One desaturation (or pulse) episode the scan accepted.
struct Spo2Event {
    std::int32_t startValue = 0; // the level before the fall
    std::int32_t endValue = 0;   // the last and lowest value of the episode
    int startIndex = 0;          // seconds from the series start
    int duration = 0;            // one-second steps from the first to the last sample
    std::vector<int> values;     // the duration + 1 samples of the episode
};
