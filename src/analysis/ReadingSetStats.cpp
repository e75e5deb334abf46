#include "ReadingSetStats.h"

#include <cmath>
#include <cstdio>

#include "ReadingSets.h"

namespace {

constexpr std::array<ReadingSetStats::Quantity, 3> kAll = {ReadingSetStats::Quantity::Systolic,
                                                           ReadingSetStats::Quantity::Diastolic,
                                                           ReadingSetStats::Quantity::HeartRate};

} // namespace

int ReadingSetStats::ValueOf(const BpReading& r, Quantity q) {
    switch (q) {
    case Quantity::Systolic:
        return r.systolic;
    case Quantity::Diastolic:
        return r.diastolic;
    case Quantity::HeartRate:
        return r.pulseRate;
    }
    return 0;
}

void ReadingSetStats::attach(std::span<const BpReading> readings, const TestRecord& test) {
    m_readings = readings;
    m_test = &test;
}

void ReadingSetStats::ClearExtremes() {
    m_max.fill(0);
    m_min.fill(0);
    for (std::string& s : m_maxTime)
        s.clear();
    for (std::string& s : m_minTime)
        s.clear();
}

std::string ReadingSetStats::ClockText(const BpReading& r) const {
    const int start = m_test ? m_test->hourBegin * 60 + m_test->minBegin : 0;
    const int minute = ClockMinute(start, r.minutesFromStart);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minute / 60, minute % 60);
    return text;
}

void ReadingSetStats::compute() {
    for (auto& table : m_frequencies)
        table.clear();
    ClearExtremes();
    if (m_readings.empty()) return;

    std::array<std::size_t, kQuantities> maxAt{}, minAt{};
    for (Quantity q : kAll)
        m_max[Index(q)] = m_min[Index(q)] = ValueOf(m_readings.front(), q);
    for (std::size_t i = 0; i < m_readings.size(); ++i) {
        for (Quantity q : kAll) {
            const std::size_t k = Index(q);
            const int v = ValueOf(m_readings[i], q);
            ++m_frequencies[k][v];
            // Strict comparisons: a tie keeps the earlier reading.
            if (v > m_max[k]) {
                m_max[k] = v;
                maxAt[k] = i;
            } else if (v < m_min[k]) {
                m_min[k] = v;
                minAt[k] = i;
            }
        }
    }
    for (std::size_t k = 0; k < kQuantities; ++k) {
        m_maxTime[k] = ClockText(m_readings[maxAt[k]]);
        m_minTime[k] = ClockText(m_readings[minAt[k]]);
    }
}

int ReadingSetStats::mean(Quantity q) const {
    // A value of 0 is a measurement that failed; it must not pull the mean down.
    double sum = 0.0;
    long long n = 0;
    for (const auto& [value, count] : m_frequencies[Index(q)]) {
        if (value == 0) continue;
        sum += static_cast<double>(value) * count;
        n += count;
    }
    if (n == 0) return 0;
    return static_cast<int>(sum / static_cast<double>(n));
}

double ReadingSetStats::standardDeviation(Quantity q) const {
    if (m_readings.empty()) return 0.0;
    const double mu = mean(q);
    double sum = 0.0;
    for (const BpReading& r : m_readings) {
        const double d = ValueOf(r, q) - mu;
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<double>(m_readings.size()));
}

void ReadingSetStats::computeLoadFractions(Quantity q, int upper, int lower) {
    const std::size_t k = Index(q);
    m_loads[k] = LoadFractions{};
    const int n = count();
    if (n == 0) return; // a share of nothing is 0
    int above = 0, below = 0;
    for (const auto& [value, number] : m_frequencies[k]) {
        if (value > upper)
            above += number;
        else if (value < lower)
            below += number;
    }
    const double total = n;
    m_loads[k] = {above / total, (n - above - below) / total, below / total};
}

void ReadingSetStats::computeHistogram(Quantity q, int low, int high, int step) {
    std::vector<double>& bins = m_histograms[Index(q)];
    bins.clear();
    if (step <= 0 || high <= low) return;
    const long long binCount = (static_cast<long long>(high) - low) / step;
    std::vector<int> counts(static_cast<std::size_t>(binCount), 0);
    for (const auto& [value, number] : m_frequencies[Index(q)]) {
        if (value <= low || value > high) continue;
        // When step does not divide the range, the top of (low, high] has no bin of its own.
        const long long bin = (static_cast<long long>(value) - low - 1) / step;
        if (bin < binCount) counts[static_cast<std::size_t>(bin)] += number;
    }
    const int n = count();
    bins.reserve(counts.size());
    for (int c : counts)
        bins.push_back(n == 0 ? 0.0 : static_cast<double>(c) / n);
}
