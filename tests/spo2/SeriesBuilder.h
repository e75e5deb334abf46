#pragma once

#include <initializer_list>
#include <vector>

#include "Spo2Series.h"

// Per-second test series written as runs of values.
namespace SeriesBuilder {

inline std::vector<int> Repeat(int value, int count) {
    return std::vector<int>(count, value);
}

// from, from - 1, ... down to to (or up, when to > from), both included.
inline std::vector<int> Ramp(int from, int to) {
    std::vector<int> out{from};
    while (out.back() != to)
        out.push_back(out.back() + (to > from ? 1 : -1));
    return out;
}

inline std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A series with the given SpO2 values and pulse (none given: 60 throughout).
inline Spo2Series MakeSeries(const std::vector<int>& spo2, std::vector<int> pulse = {}) {
    if (pulse.empty()) pulse = Repeat(60, static_cast<int>(spo2.size()));
    Spo2Series s;
    s.spo2.assign(spo2.begin(), spo2.end());
    s.pulse.assign(pulse.begin(), pulse.end());
    return s;
}

} // namespace SeriesBuilder
