#include "ClinicalSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "BpStatistics.h"

namespace {

constexpr int kMinutesPerDay = 1440;
constexpr int kSurgeWindowMinutes = 120;

struct Sums {
    long long systolic = 0;
    long long diastolic = 0;
    long long count = 0;
};

Sums SumsOf(const ReadingSet& set) {
    Sums s;
    for (const BpReading& r : set) {
        s.systolic += r.systolic;
        s.diastolic += r.diastolic;
    }
    s.count = static_cast<long long>(set.size());
    return s;
}

std::optional<double> Mean(long long sum, long long count) {
    if (count <= 0) return std::nullopt;
    return static_cast<double>(sum) / static_cast<double>(count);
}

std::optional<double> Difference(const std::optional<double>& a, const std::optional<double>& b) {
    if (!a || !b) return std::nullopt;
    return *a - *b;
}

PeriodMeans MeansOf(const ReadingSet& set) {
    const Sums s = SumsOf(set);
    PeriodMeans m;
    m.count = static_cast<int>(s.count);
    m.systolic = Mean(s.systolic, s.count);
    m.diastolic = Mean(s.diastolic, s.count);
    long long rateSum = 0, rated = 0;
    for (const BpReading& r : set)
        if (r.pulseRate > 0) {
            rateSum += r.pulseRate;
            ++rated;
        }
    m.heartRate = Mean(rateSum, rated);
    return m;
}

// Compared as sums against threshold x count, so that a mean just below the threshold is never
// rounded up onto it.
std::optional<bool> Hypertensive(const ReadingSet& set, const PressurePair& threshold) {
    if (set.empty()) return std::nullopt;
    const Sums s = SumsOf(set);
    return s.systolic >= threshold.systolic * s.count ||
           s.diastolic >= threshold.diastolic * s.count;
}

Dipping DippingOf(const ReadingSet& day, const ReadingSet& night) {
    Dipping d;
    const Sums sd = SumsOf(day), sn = SumsOf(night);
    if (sd.count == 0 || sn.count == 0 || sd.systolic <= 0) return d;
    const double ratio = *Mean(sn.systolic, sn.count) / *Mean(sd.systolic, sd.count);
    d.systolicRatio = ratio;
    d.systolicPercent = (1 - ratio) * 100;
    if (sd.diastolic > 0)
        d.diastolicPercent =
            (1 - *Mean(sn.diastolic, sn.count) / *Mean(sd.diastolic, sd.count)) * 100;
    // r = (Sn / cn) / (Sd / cd) against k / 10 becomes 10 Sn cd against k Sd cn: a ratio of
    // exactly 0.9 is a dipper although (1 - 0.9) x 100 prints as 9.999999.
    const long long night10 = 10 * sn.systolic * sd.count;
    const long long day1 = sd.systolic * sn.count;
    if (night10 > 10 * day1)
        d.dippingClass = DippingClass::ReverseDipper;
    else if (night10 > 9 * day1)
        d.dippingClass = DippingClass::NonDipper;
    else if (night10 > 8 * day1)
        d.dippingClass = DippingClass::Dipper;
    else
        d.dippingClass = DippingClass::ExtremeDipper;
    return d;
}

bool AtNight(const TestRecord& test, const BpReading& r) {
    return IsAsleep(ClockMinute(test.startMinuteOfDay, r.minutesFromStart), test.awakeStartMinute,
                    test.asleepStartMinute);
}

// Systolic mean of the included readings with from <= elapsed minute < to.
std::optional<double> WindowMean(const ReadingSet& included, long long from, long long to) {
    long long sum = 0, count = 0;
    for (const BpReading& r : included)
        if (r.minutesFromStart >= from && r.minutesFromStart < to) {
            sum += r.systolic;
            ++count;
        }
    return Mean(sum, count);
}

// The lowest night-time systolic before waking (the first of equal ones), averaged with the
// readings next to it in that list.
std::optional<double> TroughMean(const ReadingSet& night, long long wake) {
    std::vector<int> before;
    for (const BpReading& r : night)
        if (r.minutesFromStart < wake) before.push_back(r.systolic);
    if (before.empty()) return std::nullopt;
    const auto lowest = std::min_element(before.begin(), before.end());
    const auto first = lowest == before.begin() ? lowest : lowest - 1;
    const auto last = lowest + 1 == before.end() ? lowest + 1 : lowest + 2;
    long long sum = 0;
    for (auto it = first; it != last; ++it)
        sum += *it;
    return Mean(sum, last - first);
}

MorningSurge MorningSurgeOf(const TestRecord& test, const ReadingSets& sets) {
    // Waking is the first day reading after a night reading, in file order.
    const BpReading* waking = nullptr;
    bool afterNight = false;
    for (const BpReading& r : sets.included) {
        if (AtNight(test, r)) {
            afterNight = true;
        } else if (afterNight) {
            waking = &r;
            break;
        }
    }
    if (!waking) return {};
    // The elapsed minute at which the clock last showed the awake time, at or before it.
    const int clock = ClockMinute(test.startMinuteOfDay, waking->minutesFromStart);
    const int sinceAwake =
        ((clock - test.awakeStartMinute) % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
    const long long w = static_cast<long long>(waking->minutesFromStart) - sinceAwake;

    const std::optional<double> morning = WindowMean(sets.included, w, w + kSurgeWindowMinutes);
    const std::optional<double> preWaking = WindowMean(sets.included, w - kSurgeWindowMinutes, w);
    return {Difference(morning, TroughMean(sets.asleep, w)), Difference(morning, preWaking)};
}

std::optional<double> SampleSd(const ReadingSet& set, BpQuantity q) {
    if (set.size() < 2) return std::nullopt;
    long long sum = 0;
    for (const BpReading& r : set)
        sum += ValueOf(r, q);
    const double n = static_cast<double>(set.size());
    const double mean = static_cast<double>(sum) / n;
    double squares = 0;
    for (const BpReading& r : set) {
        const double d = ValueOf(r, q) - mean;
        squares += d * d;
    }
    return std::sqrt(squares / (n - 1));
}

// Hours from the awake time to the asleep time of the sleep settings.
double AwakeHours(const TestRecord& test) {
    const int minutes =
        ((test.asleepStartMinute - test.awakeStartMinute) % kMinutesPerDay + kMinutesPerDay) %
        kMinutesPerDay;
    return minutes / 60.0;
}

Variability VariabilityOf(const ReadingSets& sets, BpQuantity q, double awakeHours) {
    Variability v;
    v.sd24h = SampleSd(sets.included, q);
    v.sdDay = SampleSd(sets.awake, q);
    v.sdNight = SampleSd(sets.asleep, q);
    long long sum = 0;
    for (const BpReading& r : sets.included)
        sum += ValueOf(r, q);
    const std::optional<double> mean = Mean(sum, static_cast<long long>(sets.included.size()));
    if (v.sd24h && mean && *mean != 0) v.cv24h = *v.sd24h / *mean * 100;
    const double asleepHours = 24 - awakeHours;
    if (v.sdDay && v.sdNight && awakeHours > 0 && asleepHours > 0)
        v.wsd = (*v.sdDay * awakeHours + *v.sdNight * asleepHours) / 24;
    if (sets.included.size() >= 2) {
        long long steps = 0;
        for (std::size_t k = 1; k < sets.included.size(); ++k)
            steps += std::llabs(static_cast<long long>(ValueOf(sets.included[k], q)) -
                                ValueOf(sets.included[k - 1], q));
        v.arv = static_cast<double>(steps) / static_cast<double>(sets.included.size() - 1);
    }
    return v;
}

// 1 - the slope of the regression line of diastolic (y) on systolic (x); none when all
// systolic values are equal. The sums are exact integers, so a zero spread is found exactly.
std::optional<double> AasiOf(const ReadingSet& set) {
    long long n = 0, x = 0, y = 0, xy = 0, xx = 0;
    for (const BpReading& r : set) {
        ++n;
        x += r.systolic;
        y += r.diastolic;
        xy += static_cast<long long>(r.systolic) * r.diastolic;
        xx += static_cast<long long>(r.systolic) * r.systolic;
    }
    const long long spread = n * xx - x * x;
    if (spread == 0) return std::nullopt;
    return 1 - static_cast<double>(n * xy - x * y) / static_cast<double>(spread);
}

} // namespace

const char* GuidelineKey(ClinicalGuideline guideline) {
    return guideline == ClinicalGuideline::AccAha2017 ? "ACCAHA2017" : "ESH2023";
}

std::optional<ClinicalGuideline> GuidelineOfKey(std::string_view key) {
    if (key == "ESH2023") return ClinicalGuideline::Esh2023;
    if (key == "ACCAHA2017") return ClinicalGuideline::AccAha2017;
    return std::nullopt;
}

const char* PeriodKey(ClinicalPeriod period) {
    constexpr const char* kKeys[] = {"24h", "day", "night"};
    return kKeys[static_cast<std::size_t>(period)];
}

PeriodThresholds GuidelineThresholds(ClinicalGuideline guideline) {
    if (guideline == ClinicalGuideline::AccAha2017) return {{{125, 75}, {130, 80}, {110, 65}}};
    return {{{130, 80}, {135, 85}, {120, 70}}};
}

const char* DippingClassKey(DippingClass dippingClass) {
    constexpr const char* kKeys[] = {"reverse dipper", "non-dipper", "dipper", "extreme dipper"};
    return kKeys[static_cast<std::size_t>(dippingClass)];
}

ClinicalSummary ComputeClinicalSummary(const TestRecord& test, const ReadingSets& sets,
                                       ClinicalGuideline guideline) {
    ClinicalSummary s;
    s.guideline = guideline;
    s.totalCount = std::clamp(test.readingCount, 0, kMaxReadings);
    for (int i = 0; i < s.totalCount; ++i)
        if (test.readings[static_cast<std::size_t>(i)].systolic == 0) ++s.failedCount;
    const int successful = s.totalCount - s.failedCount;
    if (s.totalCount > 0) s.successPercent = static_cast<double>(successful) / s.totalCount * 100;
    s.valid = s.totalCount > 0 && successful * 100 >= kValidSuccessPercent * s.totalCount &&
              static_cast<int>(sets.awake.size()) >= kValidDayCount &&
              static_cast<int>(sets.asleep.size()) >= kValidNightCount;

    const std::array<const ReadingSet*, kClinicalPeriodCount> periodSets = {
        &sets.included, &sets.awake, &sets.asleep};
    s.thresholds = GuidelineThresholds(guideline);
    for (std::size_t p = 0; p < kClinicalPeriodCount; ++p) {
        s.means[p] = MeansOf(*periodSets[p]);
        s.hypertensive[p] = Hypertensive(*periodSets[p], s.thresholds[p]);
    }
    const auto& day = s.hypertensive[static_cast<std::size_t>(ClinicalPeriod::Day)];
    const auto& night = s.hypertensive[static_cast<std::size_t>(ClinicalPeriod::Night)];
    if (day && night) s.isolatedNocturnal = *night && !*day;

    s.dipping = DippingOf(sets.awake, sets.asleep);
    s.morningSurge = MorningSurgeOf(test, sets);
    const double awakeHours = AwakeHours(test);
    s.systolic = VariabilityOf(sets, BpQuantity::Systolic, awakeHours);
    s.diastolic = VariabilityOf(sets, BpQuantity::Diastolic, awakeHours);
    s.aasi = AasiOf(sets.included);
    return s;
}
