#include "Spo2TrendCurve.h"

#include <algorithm>
#include <cstdint>

namespace {

// The value of the samples [from, to): the first sample when fewer than two, otherwise the
// integer mean of those that are not 0 (0 when none is).
int PointValue(const std::vector<int>& values, std::size_t from, std::size_t to) {
    if (to - from < 2) return values[from];
    std::int64_t sum = 0;
    std::int64_t count = 0;
    for (std::size_t i = from; i < to; ++i) {
        if (values[i] == 0) continue;
        sum += values[i];
        ++count;
    }
    return count == 0 ? 0 : static_cast<int>(sum / count);
}

} // namespace

std::vector<TrendPoint> BuildTrendPoints(const std::vector<int>& values, int window,
                                         int plotWidth) {
    const auto length = static_cast<std::int64_t>(values.size());
    if (window <= 0 || plotWidth <= 0 || length == 0) return {};
    const std::int64_t perPage = std::min(window, plotWidth);
    const std::int64_t n = std::min(perPage * length / window, length);
    if (n <= 0) return {};
    std::vector<TrendPoint> points;
    points.reserve(static_cast<std::size_t>(n));
    int previous = 0;
    for (std::int64_t k = 0; k < n; ++k) {
        const auto from = static_cast<std::size_t>(k * length / n);
        const auto to = static_cast<std::size_t>(k == n - 1 ? length : (k + 1) * length / n);
        int value = PointValue(values, from, to);
        if (value == 0) value = previous;
        points.push_back({static_cast<int>(from), value});
        previous = value;
    }
    return points;
}

int TrendY(int value, int axisMin, int axisMax, int top, int bottom) {
    if (axisMax <= axisMin) return bottom;
    const int above = std::clamp(value - axisMin, 0, axisMax - axisMin);
    return bottom - static_cast<int>(static_cast<std::int64_t>(above) * (bottom - top) /
                                     (axisMax - axisMin));
}

std::size_t FirstPointFrom(const std::vector<TrendPoint>& points, int first) {
    const auto it = std::lower_bound(points.begin(), points.end(), first,
                                     [](const TrendPoint& p, int f) { return p.first < f; });
    return static_cast<std::size_t>(it - points.begin());
}
