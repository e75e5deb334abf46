#include "EpisodeScan.h"

#include <algorithm>
#include <cstdlib>

EpisodeScan::EpisodeScan(const std::vector<int>& values, const EpisodeLimits& limits)
    : m_a(values), m_length(static_cast<int>(values.size())), m_threshold(limits.threshold),
      // A negative minimum would make the early-drop test read before the episode.
      m_minDuration(std::max(0, limits.minDuration)), m_maxDuration(limits.maxDuration) {}

std::map<int, Spo2Event> EpisodeScan::fallingEvents() const {
    std::map<int, Spo2Event> events;
    int cursor = 0;
    while (cursor < m_length) {
        const int q = plateauEnd(cursor);
        if (q == m_length) break;
        if (m_a[q] == 0) {
            cursor = afterGap(q);
            continue;
        }
        const int start = q - 1;
        const int stop = m_a[q] > m_a[cursor] ? riseEnd(q) : fallEnd(start, q);
        const int end = stop - 1;
        if (m_a[end] < m_a[start] && accepted(start, end))
            events.emplace(start, makeEvent(start, end));
        // The last sample of an episode is the base of the next one.
        cursor = stop < m_length ? end : m_length;
    }
    return events;
}

// First index after the cursor that leaves the cursor's level (or is a gap).
int EpisodeScan::plateauEnd(int cursor) const {
    const int base = m_a[cursor];
    int q = cursor + 1;
    while (q < m_length && m_a[q] != 0 && m_a[q] == base)
        ++q;
    return q;
}

int EpisodeScan::afterGap(int index) const {
    while (index < m_length && m_a[index] == 0)
        ++index;
    return index;
}

// First index that no longer continues the rise started at first.
int EpisodeScan::riseEnd(int first) const {
    int r = first + 1;
    while (r < m_length && m_a[r] != 0 && m_a[r] >= m_a[r - 1])
        ++r;
    return r;
}

// First index that ends the fall started at first. One rise of a single unit is tolerated
// early in the fall, and again only after the values have fallen since.
int EpisodeScan::fallEnd(int start, int first) const {
    bool recovered = false;
    int r = first + 1;
    for (; r < m_length; ++r) {
        const int value = m_a[r];
        const int previous = m_a[r - 1];
        if (value == 0) break;
        if (value > previous) {
            if (value != previous + 1 || recovered || value >= m_a[start] ||
                r - start >= m_minDuration)
                break;
            recovered = true;
        } else if (value < previous) {
            recovered = false;
        }
    }
    return r;
}

bool EpisodeScan::accepted(int start, int end) const {
    const int d = end - start;
    const int endValue = m_a[end];
    if (d < m_minDuration) return false;
    if (std::abs(m_a[start] - endValue) < m_threshold) return false;
    if (d > m_maxDuration) return false;
    // d >= minimum duration keeps this index inside the episode.
    if (m_a[start] - m_a[start + m_minDuration] < m_threshold) return false;
    const auto first = m_a.begin() + start;
    return std::none_of(first, first + d, [endValue](int v) { return v < endValue; });
}

Spo2Event EpisodeScan::makeEvent(int start, int end) const {
    Spo2Event event;
    event.startValue = m_a[start];
    event.endValue = m_a[end];
    event.startIndex = start;
    event.duration = end - start;
    event.values.assign(m_a.begin() + start, m_a.begin() + end + 1);
    return event;
}
