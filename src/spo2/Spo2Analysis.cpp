#include "Spo2Analysis.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "EpisodeScan.h"
#include "Spo2Series.h"

void Spo2Analysis::analyse(const Spo2Series& series) {
    clear();
    m_spo2.assign(series.spo2.begin(), series.spo2.end());
    m_pulse.assign(series.pulse.begin(), series.pulse.end());
    m_spo2Histogram = Histogram(m_spo2);
    m_pulseHistogram = Histogram(m_pulse);
    const EpisodeLimits spo2Limits{m_parameters.dropThreshold, m_parameters.minimumDuration,
                                   kMaxSpo2EventSeconds};
    const EpisodeLimits pulseLimits{m_parameters.pulseChangeThreshold,
                                    m_parameters.pulseMinimumDuration, kMaxPulseEventSeconds};
    m_events = EpisodeScan(m_spo2, spo2Limits).fallingEvents();
    m_pulseEvents = EpisodeScan(m_pulse, pulseLimits).fallingEvents();
}

void Spo2Analysis::clear() {
    m_spo2.clear();
    m_pulse.clear();
    m_spo2Histogram.clear();
    m_pulseHistogram.clear();
    m_events.clear();
    m_pulseEvents.clear();
}

void Spo2Analysis::setSpo2Parameters(int dropThreshold, int minimumDuration) {
    m_parameters.dropThreshold = dropThreshold;
    m_parameters.minimumDuration = minimumDuration;
}

void Spo2Analysis::setPulseParameters(int changeThreshold, int minimumDuration) {
    m_parameters.pulseChangeThreshold = changeThreshold;
    m_parameters.pulseMinimumDuration = minimumDuration;
}

int Spo2Analysis::secondsBelow(int level) const {
    int seconds = 0;
    for (const auto& [value, count] : m_spo2Histogram)
        if (value > 0 && value < level) seconds += count;
    return seconds;
}

int Spo2Analysis::eventSecondsBelow(int level) const {
    int seconds = 0;
    for (const auto& [start, event] : m_events) {
        if (event.endValue >= level) continue;
        // Counted from the event's second sample; the end value guarantees a hit.
        const auto second = event.values.begin() + 1;
        const auto below =
            std::find_if(second, event.values.end(), [level](int v) { return v < level; });
        seconds += event.duration - static_cast<int>(below - second);
    }
    return seconds;
}

double Spo2Analysis::averageEventLow(int level) const {
    long long sum = 0;
    int count = 0;
    for (const auto& [start, event] : m_events) {
        if (event.endValue >= level) continue;
        sum += event.endValue;
        ++count;
    }
    return count == 0 ? 0.0 : static_cast<double>(sum) / count;
}

int Spo2Analysis::eventsBelow(int level) const {
    return static_cast<int>(std::count_if(m_events.begin(), m_events.end(), [level](const auto& e) {
        return e.second.endValue < level;
    }));
}

// Counted in a fixed table first: the values are bytes, so the map never sees more than
// 256 insertions however long the series is.
std::map<int, int> Spo2Analysis::Histogram(const std::vector<int>& values) {
    std::array<int, 256> counts{};
    for (int v : values)
        ++counts[static_cast<std::uint8_t>(v)];
    std::map<int, int> histogram;
    for (int v = 0; v < 256; ++v)
        if (counts[static_cast<std::size_t>(v)] != 0)
            histogram.emplace_hint(histogram.end(), v, counts[static_cast<std::size_t>(v)]);
    return histogram;
}

int Spo2Analysis::CountOf(const std::map<int, int>& histogram, int value) {
    const auto it = histogram.find(value);
    return it == histogram.end() ? 0 : it->second;
}

int Spo2Analysis::SmallestNonZero(const std::map<int, int>& histogram) {
    const auto it = histogram.upper_bound(0);
    return it == histogram.end() ? 0 : it->first;
}

double Spo2Analysis::NonZeroMean(const std::map<int, int>& histogram) {
    long long sum = 0;
    long long count = 0;
    for (const auto& [value, n] : histogram) {
        if (value == 0) continue;
        sum += static_cast<long long>(value) * n;
        count += n;
    }
    return count == 0 ? 0.0 : static_cast<double>(sum) / static_cast<double>(count);
}

int Spo2Analysis::TotalDuration(const std::map<int, Spo2Event>& events) {
    int total = 0;
    for (const auto& [start, event] : events)
        total += event.duration;
    return total;
}
