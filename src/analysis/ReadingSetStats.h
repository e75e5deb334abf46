#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "PatientRecord.h"

// Statistics of one reading set for the charts and the report pages: extremes with their clock
// times (ties go to the earlier reading), integer means that skip the value 0, standard
// deviations, load fractions against a band and fixed-bin histograms.
//
// Holds non-owning references to the set and the test: attach and compute again after every
// classification.
class ReadingSetStats {
  public:
    enum class Quantity { Systolic, Diastolic, HeartRate };

    struct LoadFractions {
        double above = 0.0;
        double within = 0.0;
        double below = 0.0;
    };

    void attach(std::span<const BpReading> readings, const TestRecord& test);
    // Refills the value-frequency tables, the extremes and their clock times.
    void compute();

    // Fills the quantity's three load fractions: above, within and below the band.
    void computeLoadFractions(Quantity q, int upper, int lower);
    // Fills the quantity's histogram: (high - low) / step bins, value v in bin
    // (v - low - 1) / step when low < v <= high.
    void computeHistogram(Quantity q, int low, int high, int step);

    int mean(Quantity q) const;
    double standardDeviation(Quantity q) const;

    int maximum(Quantity q) const { return m_max[Index(q)]; }
    int minimum(Quantity q) const { return m_min[Index(q)]; }
    const std::string& maximumTime(Quantity q) const { return m_maxTime[Index(q)]; }
    const std::string& minimumTime(Quantity q) const { return m_minTime[Index(q)]; }
    const LoadFractions& loadFractions(Quantity q) const { return m_loads[Index(q)]; }
    const std::vector<double>& histogram(Quantity q) const { return m_histograms[Index(q)]; }
    const std::map<int, int>& frequencies(Quantity q) const { return m_frequencies[Index(q)]; }
    int count() const { return static_cast<int>(m_readings.size()); }

  private:
    static constexpr std::size_t kQuantities = 3;
    static std::size_t Index(Quantity q) { return static_cast<std::size_t>(q); }
    static int ValueOf(const BpReading& r, Quantity q);
    std::string ClockText(const BpReading& r) const;
    void ClearExtremes();

    std::array<int, kQuantities> m_max{};
    std::array<int, kQuantities> m_min{};
    std::array<std::string, kQuantities> m_maxTime;
    std::array<std::string, kQuantities> m_minTime;
    std::span<const BpReading> m_readings;
    const TestRecord* m_test = nullptr;
    std::array<std::map<int, int>, kQuantities> m_frequencies;
    std::array<std::vector<double>, kQuantities> m_histograms;
    std::array<LoadFractions, kQuantities> m_loads{};
};
