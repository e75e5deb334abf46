#include <gtest/gtest.h>

#include <cmath>

#include "ClinicalSummary.h"
#include "ReadingBuilders.h"

namespace {

constexpr int k0700 = 7 * 60, k2200 = 22 * 60;

ClinicalSummary Summarise(const TestRecord& test, ClinicalGuideline g = kDefaultGuideline) {
    ReadingSets sets;
    ClassifyReadings(test, sets);
    return ComputeClinicalSummary(test, sets, g);
}

// From 08:00 (awake 07:00, asleep 22:00): day readings every 20 minutes, night readings every
// 20 minutes from 23:00, failed ones (systolic 0, included) at 08:05 onwards.
std::unique_ptr<TestRecord> DayNight(int day, int night, int failed) {
    std::vector<BpReading> readings;
    for (int i = 0; i < day; ++i)
        readings.push_back(Reading(120, 80, 70, 20 * i));
    for (int i = 0; i < night; ++i)
        readings.push_back(Reading(110, 70, 60, 15 * 60 + 20 * i));
    for (int i = 0; i < failed; ++i)
        readings.push_back(Reading(0, 0, 0, 5 + 20 * i));
    return MakeTest(8 * 60, k0700, k2200, readings);
}

} // namespace

TEST(ClinicalValidity, SeventyPercentTwentyDayAndSevenNightReadingsAreTheEdges) {
    struct Case {
        int day, night, failed;
        double percent;
        bool valid;
    } cases[] = {
        {21, 7, 12, 70.0, true},             // 28 of 40 successful
        {21, 7, 13, 28.0 / 41 * 100, false}, // 68.3 %
        {20, 7, 0, 100.0, true},
        {19, 7, 0, 100.0, false},
        {20, 6, 0, 100.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << " " << c.night << " " << c.failed);
        const ClinicalSummary s = Summarise(*DayNight(c.day, c.night, c.failed));
        EXPECT_EQ(s.totalCount, c.day + c.night + c.failed);
        EXPECT_EQ(s.failedCount, c.failed);
        ASSERT_TRUE(s.successPercent);
        EXPECT_DOUBLE_EQ(*s.successPercent, c.percent);
        EXPECT_EQ(s.valid, c.valid);
    }
    const ClinicalSummary empty = Summarise(*DayNight(0, 0, 0));
    EXPECT_FALSE(empty.successPercent);
    EXPECT_FALSE(empty.valid);
}

TEST(ClinicalThresholds, BothGuidelinesOnOneRecordCompareExactSums) {
    // Day 130/80 (heart rate 0: not measured) and 134/84: 132/82. Night 112/66 and 118/70:
    // 115/68. 24 hours 494/4 = 123.5 and 300/4 = 75 exactly.
    const auto test = MakeTest(8 * 60, k0700, k2200,
                               {Reading(130, 80, 0, 0), Reading(134, 84, 70, 60),
                                Reading(112, 66, 60, 15 * 60), Reading(118, 70, 62, 16 * 60)});
    const ClinicalSummary esh = Summarise(*test, ClinicalGuideline::Esh2023);
    const PeriodMeans& day = esh.meansOf(ClinicalPeriod::Day);
    EXPECT_EQ(day.count, 2);
    EXPECT_DOUBLE_EQ(*day.systolic, 132.0);
    EXPECT_DOUBLE_EQ(*day.diastolic, 82.0);
    EXPECT_DOUBLE_EQ(*day.heartRate, 70.0);
    EXPECT_DOUBLE_EQ(*esh.meansOf(ClinicalPeriod::AllDay).heartRate, 64.0); // 192 / 3
    // ESH 2023: 130/80, 135/85, 120/70: nothing reaches its threshold.
    for (const auto& h : esh.hypertensive)
        EXPECT_EQ(h, false);
    EXPECT_EQ(esh.isolatedNocturnal, false);
    // ACC/AHA 2017: 125/75 (a mean of exactly 75 reaches it), 130/80, 110/65.
    const ClinicalSummary acc = Summarise(*test, ClinicalGuideline::AccAha2017);
    for (const auto& h : acc.hypertensive)
        EXPECT_EQ(h, true);
    EXPECT_EQ(acc.isolatedNocturnal, false);
}

TEST(ClinicalDipping, ClassComesFromTheExactNightToDayRatio) {
    // Day 150/90 twice; night readings as given, diastolic 72.
    struct Case {
        int night1, night2;
        DippingClass expected;
    } cases[] = {
        {135, 135, DippingClass::Dipper},        // 0.9 exactly
        {135, 136, DippingClass::NonDipper},     // 135.5 / 150 = 0.9033
        {150, 150, DippingClass::NonDipper},     // 1 exactly
        {155, 155, DippingClass::ReverseDipper}, // a riser
        {120, 120, DippingClass::ExtremeDipper}, // 0.8 exactly
        {121, 121, DippingClass::Dipper},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.night1 << " " << c.night2);
        const auto test =
            MakeTest(8 * 60, k0700, k2200,
                     {Reading(150, 90, 70, 0), Reading(150, 90, 70, 60),
                      Reading(c.night1, 72, 60, 15 * 60), Reading(c.night2, 72, 60, 16 * 60)});
        const Dipping d = Summarise(*test).dipping;
        ASSERT_TRUE(d.dippingClass);
        EXPECT_EQ(*d.dippingClass, c.expected);
        const double ratio = (c.night1 + c.night2) / 2.0 / 150.0;
        EXPECT_DOUBLE_EQ(*d.systolicRatio, ratio);
        EXPECT_DOUBLE_EQ(*d.systolicPercent, (1 - ratio) * 100);
        EXPECT_DOUBLE_EQ(*d.diastolicPercent, (1 - 72.0 / 90.0) * 100);
    }
}

TEST(ClinicalDipping, ARiserWithANormalDayHasIsolatedNocturnalHypertension) {
    const auto test =
        MakeTest(8 * 60, k0700, k2200, {Reading(118, 75, 70, 0), Reading(120, 65, 60, 15 * 60)});
    const ClinicalSummary s = Summarise(*test);
    EXPECT_EQ(s.dipping.dippingClass, DippingClass::ReverseDipper);
    EXPECT_EQ(s.hypertensive[1], false);
    EXPECT_EQ(s.hypertensive[2], true); // a systolic mean of 120 reaches 120
    EXPECT_EQ(s.isolatedNocturnal, true);
}

TEST(ClinicalDipping, WithoutNightReadingsNothingNightlyIsComputed) {
    const auto test =
        MakeTest(8 * 60, k0700, k2200, {Reading(150, 90, 70, 0), Reading(140, 85, 70, 60)});
    const ClinicalSummary s = Summarise(*test);
    const Dipping& d = s.dipping;
    EXPECT_FALSE(d.systolicRatio || d.systolicPercent || d.diastolicPercent || d.dippingClass);
    EXPECT_FALSE(s.hypertensive[2] || s.isolatedNocturnal ||
                 s.meansOf(ClinicalPeriod::Night).systolic);
    EXPECT_FALSE(s.morningSurge.sleepTrough || s.morningSurge.prewaking);
    EXPECT_FALSE(s.systolic.sdNight || s.systolic.wsd);
    EXPECT_TRUE(s.systolic.sdDay);
}

TEST(ClinicalMorningSurge, SetsAroundTheWakeUpInstantOfAnAwakeTimeOf0630) {
    // Start 22:00, awake 06:30, asleep 22:30. The first day reading after the night is at
    // 06:45 (elapsed 525); the clock showed 06:30 at elapsed 510, the wake-up instant.
    // Morning set [510, 630): 150, 160, 155 (mean 155; 170 at 630 is out). Pre-waking set
    // [390, 510): 115 at 04:30 (the lower edge) and the 06:00 reading. The trough is taken
    // among the night readings before 510, not the 80 of the next night.
    struct Case {
        const char* name;
        int at2300, at0300, at0600;
        double trough, preWaking;
    } cases[] = {
        // Lowest 100 in the middle: (110 + 100 + 115) / 3.
        {"middle", 120, 100, 118, 325.0 / 3, (115 + 118) / 2.0},
        // Lowest 95 first, tied at 03:00: the first of the two with its one neighbour.
        {"first", 95, 95, 118, (95 + 110) / 2.0, (115 + 118) / 2.0},
        // Lowest 92 last: with its one neighbour before it.
        {"last", 120, 100, 92, (115 + 92) / 2.0, (115 + 92) / 2.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto test = MakeTest(
            22 * 60, 6 * 60 + 30, 22 * 60 + 30,
            {Reading(140, 80, 70, 0), Reading(c.at2300, 70, 60, 60), Reading(110, 70, 60, 180),
             Reading(c.at0300, 70, 60, 300), Reading(115, 70, 60, 390),
             Reading(c.at0600, 70, 60, 480), Reading(150, 90, 70, 525), Reading(160, 90, 70, 570),
             Reading(155, 90, 70, 629), Reading(170, 90, 70, 630), Reading(80, 60, 60, 1500)});
        const MorningSurge m = Summarise(*test).morningSurge;
        ASSERT_TRUE(m.sleepTrough);
        ASSERT_TRUE(m.prewaking);
        EXPECT_DOUBLE_EQ(*m.sleepTrough, 155 - c.trough);
        EXPECT_DOUBLE_EQ(*m.prewaking, 155 - c.preWaking);
    }
}

TEST(ClinicalVariability, WeightedSdArvAndAasiOfAFifteenHourDay) {
    // Awake 07:00 to 22:00: 15 hours awake, 9 asleep. Day systolic 120, 130, 140 (SD 10),
    // night 100, 104, 108 (SD 4): (10 x 15 + 4 x 9) / 24 = 7.75. 24 hours: mean 117,
    // squared deviations 1246 over 5. Systolic steps 10, 10, 40, 4, 4: ARV 68 / 5; diastolic
    // 80, 80, 80, 70, 70, 70: ARV 10 / 5. AASI: n = 6, Σx = 702, Σy = 450, Σxy = 53040,
    // Σx² = 83380; slope = (6·53040 − 702·450) / (6·83380 − 702²) = 2340 / 7476.
    const auto test = MakeTest(8 * 60, k0700, k2200,
                               {Reading(120, 80, 70, 0), Reading(130, 80, 70, 60),
                                Reading(140, 80, 70, 120), Reading(100, 70, 60, 15 * 60),
                                Reading(104, 70, 60, 16 * 60), Reading(108, 70, 60, 17 * 60)});
    const ClinicalSummary s = Summarise(*test);
    const Variability& v = s.systolic;
    EXPECT_DOUBLE_EQ(*v.sdDay, 10.0);
    EXPECT_DOUBLE_EQ(*v.sdNight, 4.0);
    EXPECT_DOUBLE_EQ(*v.wsd, 7.75);
    EXPECT_DOUBLE_EQ(*v.sd24h, std::sqrt(1246.0 / 5));
    EXPECT_DOUBLE_EQ(*v.cv24h, std::sqrt(1246.0 / 5) / 117 * 100);
    EXPECT_DOUBLE_EQ(*v.arv, 68.0 / 5);
    EXPECT_DOUBLE_EQ(*s.diastolic.arv, 2.0);
    EXPECT_DOUBLE_EQ(*s.aasi, 1 - 2340.0 / 7476);
    // Equal systolic values have no regression line: no AASI.
    const auto flat =
        MakeTest(8 * 60, k0700, k2200, {Reading(120, 80, 70, 0), Reading(120, 70, 70, 30)});
    EXPECT_FALSE(Summarise(*flat).aasi);
}
