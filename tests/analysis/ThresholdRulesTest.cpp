#include <gtest/gtest.h>

#include "ThresholdRules.h"

namespace {

// Order of the fields: awake systolic, asleep systolic, awake diastolic, asleep diastolic.
ThresholdCheck Check(int awakeSys, int asleepSys, int awakeDia, int asleepDia) {
    return CheckThresholds(BpThresholds{awakeSys, asleepSys, awakeDia, asleepDia});
}

} // namespace

TEST(CheckThresholds, DefaultsAndEqualValuesPass) {
    EXPECT_EQ(CheckThresholds(BpThresholds{}), ThresholdCheck::Accepted);
    EXPECT_EQ(Check(90, 120, 90, 80), ThresholdCheck::Accepted);
    EXPECT_EQ(Check(140, 80, 90, 80), ThresholdCheck::Accepted);
}

TEST(CheckThresholds, SystolicBelowDiastolicInEitherPeriod) {
    EXPECT_EQ(Check(120, 120, 130, 80), ThresholdCheck::SystolicBelowDiastolic);
    EXPECT_EQ(Check(140, 79, 90, 80), ThresholdCheck::SystolicBelowDiastolic);
    EXPECT_EQ(static_cast<int>(ThresholdCheck::SystolicBelowDiastolic), 57618);
}

TEST(CheckThresholds, SystolicRangeIs50To280) {
    EXPECT_EQ(Check(300, 120, 90, 80), ThresholdCheck::OutOfRange);
    EXPECT_EQ(Check(140, 300, 90, 80), ThresholdCheck::OutOfRange);
    EXPECT_EQ(Check(280, 120, 90, 80), ThresholdCheck::Accepted);
    EXPECT_EQ(Check(281, 120, 90, 80), ThresholdCheck::OutOfRange);
    EXPECT_EQ(Check(140, 50, 90, 45), ThresholdCheck::Accepted);
    EXPECT_EQ(Check(140, 49, 90, 45), ThresholdCheck::OutOfRange);
    EXPECT_EQ(static_cast<int>(ThresholdCheck::OutOfRange), 57619);
}

TEST(CheckThresholds, DiastolicRangeIs40To240) {
    EXPECT_EQ(Check(140, 120, 39, 80), ThresholdCheck::OutOfRange);
    EXPECT_EQ(Check(140, 120, 90, 39), ThresholdCheck::OutOfRange);
    EXPECT_EQ(Check(140, 120, 40, 80), ThresholdCheck::Accepted);
    EXPECT_EQ(Check(250, 250, 240, 240), ThresholdCheck::Accepted);
    EXPECT_EQ(Check(250, 250, 241, 80), ThresholdCheck::OutOfRange);
}

TEST(CheckThresholds, OrderMessageComesBeforeRangeMessage) {
    // Awake 300 is out of range, but the asleep period has systolic below diastolic.
    EXPECT_EQ(Check(300, 100, 90, 120), ThresholdCheck::SystolicBelowDiastolic);
    // Text that is not a number converts to 0: 0 systolic against 90 diastolic.
    EXPECT_EQ(Check(0, 120, 90, 80), ThresholdCheck::SystolicBelowDiastolic);
    EXPECT_EQ(Check(0, 120, 0, 80), ThresholdCheck::OutOfRange);
}
