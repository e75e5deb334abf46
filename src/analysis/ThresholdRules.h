#pragma once

#include "PatientRecord.h"

// Which message, if any, refuses a set of thresholds entered on the thresholds page.
// The values are the string-table numbers of the messages.
enum class ThresholdCheck {
    Accepted = 0,
    SystolicBelowDiastolic = 57618, // "收缩压必须大于舒张压."
    OutOfRange = 57619,             // "数值设置错误."
};

constexpr int kMinSystolicThreshold = 50;
constexpr int kMaxSystolicThreshold = 280;
constexpr int kMinDiastolicThreshold = 40;
constexpr int kMaxDiastolicThreshold = 240;

// The order of the period checks comes first (awake, then asleep; equal values pass), the
// ranges after: a systolic below its diastolic is reported even when a value is out of range.
// Field texts are converted with CIniDocument::AtoI (text that is not a number gives 0).
ThresholdCheck CheckThresholds(const BpThresholds& thresholds);
