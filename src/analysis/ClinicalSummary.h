#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "PatientRecord.h"
#include "ReadingSets.h"

// The figures a physician signs an ambulatory recording with: whether the recording is valid,
// the period means against the out-of-office thresholds of a guideline, the night-time dip,
// the morning surge, the variability and the ambulatory arterial stiffness index. Built from
// the analysis sets; a figure that cannot be computed is left empty.

enum class ClinicalGuideline { Esh2023, AccAha2017 };
inline constexpr ClinicalGuideline kDefaultGuideline = ClinicalGuideline::Esh2023;

// The value stored under "Guideline" in a configuration section: "ESH2023" or "ACCAHA2017".
const char* GuidelineKey(ClinicalGuideline guideline);
std::optional<ClinicalGuideline> GuidelineOfKey(std::string_view key);

// The three periods in their order everywhere: 24 hours (the included set), day (the awake
// set) and night (the asleep set).
enum class ClinicalPeriod { AllDay, Day, Night };
inline constexpr std::size_t kClinicalPeriodCount = 3;
// "24h", "day", "night".
const char* PeriodKey(ClinicalPeriod period);

struct PressurePair {
    int systolic = 0;
    int diastolic = 0;
};
using PeriodThresholds = std::array<PressurePair, kClinicalPeriodCount>;
PeriodThresholds GuidelineThresholds(ClinicalGuideline guideline);

// A recording is valid with at least this share of successful readings (per cent) and these
// numbers of day and night readings.
inline constexpr int kValidSuccessPercent = 70;
inline constexpr int kValidDayCount = 20;
inline constexpr int kValidNightCount = 7;

struct PeriodMeans {
    int count = 0;
    std::optional<double> systolic;
    std::optional<double> diastolic;
    std::optional<double> heartRate; // over the readings with a heart rate above 0
};

// The class of the night-to-day systolic ratio r.
enum class DippingClass {
    ReverseDipper, // r > 1
    NonDipper,     // 0.9 < r <= 1
    Dipper,        // 0.8 < r <= 0.9
    ExtremeDipper, // r <= 0.8
};
// "reverse dipper", "non-dipper", "dipper", "extreme dipper".
const char* DippingClassKey(DippingClass dippingClass);

struct Dipping {
    std::optional<double> systolicPercent;
    std::optional<double> diastolicPercent;
    std::optional<double> systolicRatio;
    std::optional<DippingClass> dippingClass;
};

// Systolic morning mean minus the lowest night-time systolic (with its neighbours) and minus
// the mean of the two hours before waking.
struct MorningSurge {
    std::optional<double> sleepTrough;
    std::optional<double> prewaking;
};

struct Variability {
    std::optional<double> sd24h, sdDay, sdNight; // sample standard deviations (n - 1)
    std::optional<double> cv24h;                 // per cent of the 24-hour mean
    std::optional<double> wsd;                   // day and night SD weighted by their hours
    std::optional<double> arv;                   // average real variability
};

struct ClinicalSummary {
    ClinicalGuideline guideline = kDefaultGuideline;
    int totalCount = 0;  // readings of the test
    int failedCount = 0; // readings with systolic 0
    std::optional<double> successPercent;
    bool valid = false;
    std::array<PeriodMeans, kClinicalPeriodCount> means{};
    PeriodThresholds thresholds{};
    std::array<std::optional<bool>, kClinicalPeriodCount> hypertensive{};
    std::optional<bool> isolatedNocturnal; // night hypertensive, day not
    Dipping dipping;
    MorningSurge morningSurge;
    Variability systolic;
    Variability diastolic;
    std::optional<double> aasi; // 1 - slope of diastolic on systolic over 24 hours

    const PeriodMeans& meansOf(ClinicalPeriod p) const {
        return means[static_cast<std::size_t>(p)];
    }
};

// The summary of the loaded test from its analysis sets (classified from that test).
ClinicalSummary ComputeClinicalSummary(const TestRecord& test, const ReadingSets& sets,
                                       ClinicalGuideline guideline);
