#pragma once

#include <array>
#include <vector>

#include "PatientRecord.h"
#include "ReadingSets.h"

// The five quantities the summary engine ranks and averages, in their stored order.
enum class BpQuantity { Systolic, Diastolic, HeartRate, MeanPressure, PulsePressure };
constexpr std::size_t kBpQuantityCount = 5;

int ValueOf(const BpReading& reading, BpQuantity quantity);

// Where a set's extremes of one quantity lie, and its mean. The extreme values themselves
// are read from the set at these indices; an empty set has no extremes (index -1).
struct QuantitySummary {
    int maxIndex = -1;
    int minIndex = -1;
    float mean = 0.0f;
};

struct SetSummary {
    std::array<QuantitySummary, kBpQuantityCount> quantities{};

    const QuantitySummary& operator[](BpQuantity q) const {
        return quantities[static_cast<std::size_t>(q)];
    }
    QuantitySummary& operator[](BpQuantity q) { return quantities[static_cast<std::size_t>(q)]; }
};

// One bin of a 5-unit histogram: readings with lowerBound < value <= lowerBound + 5.
struct HistogramBin {
    int lowerBound = 0;
    int perMille = 0;
};
using Histogram = std::vector<HistogramBin>;

// Results of the summary engine; every run of ComputeStatistics overwrites all of it.
struct BpStatistics {
    int includedCount = 0;
    int totalCount = 0;
    int asleepCount = 0;
    int awakeCount = 0;
    BpThresholds thresholds;
    int daySysOver = 0; // awake + asleep, each judged against its own period's threshold
    int dayDiaOver = 0;
    SetSummary included;
    int awakeSysOver = 0;
    int awakeDiaOver = 0;
    SetSummary awake;
    int asleepSysOver = 0;
    int asleepDiaOver = 0;
    SetSummary asleep;
    // A period without readings has empty histograms.
    Histogram awakeSystolic;
    Histogram awakeDiastolic;
    Histogram asleepSystolic;
    Histogram asleepDiastolic;
    Histogram heartRate;     // included set
    Histogram meanPressure;  // included set
    Histogram pulsePressure; // included set
};

// Fills the statistics from the current sets; the total count and the thresholds come from
// the record. The sets are read only.
void ComputeStatistics(const PatientRecord& record, const ReadingSets& sets, BpStatistics& stats);

// Summary of one set: extremes with ties going to the later reading, and the means.
SetSummary SummariseSet(const ReadingSet& set);

// 5-unit histogram of one quantity between the set's extremes found by SummariseSet.
Histogram FiveUnitHistogram(const ReadingSet& set, BpQuantity quantity,
                            const QuantitySummary& summary);

// 100 * overCount / periodCount in double; 0 for a period without readings.
double LoadPercent(int overCount, int periodCount);
