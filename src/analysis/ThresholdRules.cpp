#include "ThresholdRules.h"

namespace {

bool InRange(int v, int low, int high) {
    return low <= v && v <= high;
}

} // namespace

ThresholdCheck CheckThresholds(const BpThresholds& t) {
    if (t.awakeSys < t.awakeDia || t.asleepSys < t.asleepDia)
        return ThresholdCheck::SystolicBelowDiastolic;
    const bool systolicOk = InRange(t.awakeSys, kMinSystolicThreshold, kMaxSystolicThreshold) &&
                            InRange(t.asleepSys, kMinSystolicThreshold, kMaxSystolicThreshold);
    const bool diastolicOk = InRange(t.awakeDia, kMinDiastolicThreshold, kMaxDiastolicThreshold) &&
                             InRange(t.asleepDia, kMinDiastolicThreshold, kMaxDiastolicThreshold);
    return systolicOk && diastolicOk ? ThresholdCheck::Accepted : ThresholdCheck::OutOfRange;
}
