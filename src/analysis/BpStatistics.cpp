#include "BpStatistics.h"

int ValueOf(const BpReading& reading, BpQuantity quantity) {
    switch (quantity) {
    case BpQuantity::Systolic:
        return reading.systolic;
    case BpQuantity::Diastolic:
        return reading.diastolic;
    case BpQuantity::HeartRate:
        return reading.pulseRate;
    case BpQuantity::MeanPressure:
        return reading.meanPressure;
    case BpQuantity::PulsePressure:
        return reading.systolic - reading.diastolic;
    }
    return 0;
}

namespace {

constexpr std::array<BpQuantity, kBpQuantityCount> kAllQuantities = {
    BpQuantity::Systolic, BpQuantity::Diastolic, BpQuantity::HeartRate, BpQuantity::MeanPressure,
    BpQuantity::PulsePressure};

QuantitySummary SummariseQuantity(const ReadingSet& set, BpQuantity quantity) {
    QuantitySummary s;
    if (set.empty()) return s;
    int maxValue = ValueOf(set.front(), quantity);
    int minValue = maxValue;
    s.maxIndex = s.minIndex = 0;
    long long sum = 0;
    for (std::size_t i = 0; i < set.size(); ++i) {
        const int v = ValueOf(set[i], quantity);
        // ">=" and "<=": a tie moves the extreme to the later reading.
        if (v >= maxValue) {
            maxValue = v;
            s.maxIndex = static_cast<int>(i);
        }
        if (v <= minValue) {
            minValue = v;
            s.minIndex = static_cast<int>(i);
        }
        sum += v;
    }
    s.mean = static_cast<float>(static_cast<double>(sum) / static_cast<double>(set.size()));
    return s;
}

int CountAbove(const ReadingSet& set, BpQuantity quantity, int threshold) {
    int n = 0;
    for (const BpReading& r : set)
        if (ValueOf(r, quantity) > threshold) ++n;
    return n;
}

// x / 5 truncated toward zero, as the bins are laid out.
int FifthOf(int x) {
    return x / 5;
}

} // namespace

SetSummary SummariseSet(const ReadingSet& set) {
    SetSummary summary;
    for (BpQuantity q : kAllQuantities)
        summary[q] = SummariseQuantity(set, q);
    return summary;
}

Histogram FiveUnitHistogram(const ReadingSet& set, BpQuantity quantity,
                            const QuantitySummary& summary) {
    Histogram histogram;
    if (set.empty() || summary.minIndex < 0 || summary.maxIndex < 0) return histogram;
    const int low = ValueOf(set[static_cast<std::size_t>(summary.minIndex)], quantity);
    const int high = ValueOf(set[static_cast<std::size_t>(summary.maxIndex)], quantity);
    const int firstBound = 5 * FifthOf(low) - 5;
    const int binCount = FifthOf(high) - FifthOf(low) + 2;
    std::vector<long long> counts(static_cast<std::size_t>(binCount), 0);
    for (const BpReading& r : set) {
        // Every value lies above firstBound, so the offset is at least 1.
        const long long offset = static_cast<long long>(ValueOf(r, quantity)) - firstBound;
        const long long bin = (offset - 1) / 5;
        if (offset >= 1 && bin < binCount) ++counts[static_cast<std::size_t>(bin)];
    }
    histogram.reserve(counts.size());
    const long long n = static_cast<long long>(set.size());
    for (std::size_t i = 0; i < counts.size(); ++i)
        histogram.push_back(
            {firstBound + 5 * static_cast<int>(i), static_cast<int>(counts[i] * 1000 / n)});
    return histogram;
}

double LoadPercent(int overCount, int periodCount) {
    if (periodCount == 0) return 0.0;
    return 100.0 * overCount / periodCount;
}

void ComputeStatistics(const PatientRecord& record, const ReadingSets& sets, BpStatistics& stats) {
    const BpThresholds& t = record.thresholds;
    stats = BpStatistics{};
    stats.includedCount = static_cast<int>(sets.included.size());
    stats.totalCount = record.test.readingCount;
    stats.asleepCount = static_cast<int>(sets.asleep.size());
    stats.awakeCount = static_cast<int>(sets.awake.size());
    stats.thresholds = t;

    stats.included = SummariseSet(sets.included);
    stats.awake = SummariseSet(sets.awake);
    stats.asleep = SummariseSet(sets.asleep);

    stats.awakeSysOver = CountAbove(sets.awake, BpQuantity::Systolic, t.awakeSys);
    stats.awakeDiaOver = CountAbove(sets.awake, BpQuantity::Diastolic, t.awakeDia);
    stats.asleepSysOver = CountAbove(sets.asleep, BpQuantity::Systolic, t.asleepSys);
    stats.asleepDiaOver = CountAbove(sets.asleep, BpQuantity::Diastolic, t.asleepDia);
    stats.daySysOver = stats.awakeSysOver + stats.asleepSysOver;
    stats.dayDiaOver = stats.awakeDiaOver + stats.asleepDiaOver;

    using Q = BpQuantity;
    stats.awakeSystolic = FiveUnitHistogram(sets.awake, Q::Systolic, stats.awake[Q::Systolic]);
    stats.awakeDiastolic = FiveUnitHistogram(sets.awake, Q::Diastolic, stats.awake[Q::Diastolic]);
    stats.asleepSystolic = FiveUnitHistogram(sets.asleep, Q::Systolic, stats.asleep[Q::Systolic]);
    stats.asleepDiastolic =
        FiveUnitHistogram(sets.asleep, Q::Diastolic, stats.asleep[Q::Diastolic]);
    stats.heartRate = FiveUnitHistogram(sets.included, Q::HeartRate, stats.included[Q::HeartRate]);
    stats.meanPressure =
        FiveUnitHistogram(sets.included, Q::MeanPressure, stats.included[Q::MeanPressure]);
    stats.pulsePressure =
        FiveUnitHistogram(sets.included, Q::PulsePressure, stats.included[Q::PulsePressure]);
}
