#include "ChartSettings.h"

ChartBand& ChartBands::of(ReadingSetStats::Quantity q) {
    return const_cast<ChartBand&>(static_cast<const ChartBands&>(*this).of(q));
}

const ChartBand& ChartBands::of(ReadingSetStats::Quantity q) const {
    switch (q) {
    case ReadingSetStats::Quantity::Diastolic:
        return diastolic;
    case ReadingSetStats::Quantity::HeartRate:
        return heartRate;
    case ReadingSetStats::Quantity::Systolic:
        break;
    }
    return systolic;
}

const ReadingSet& ChartSetOf(const ReadingSets& sets, ChartPeriod period) {
    switch (period) {
    case ChartPeriod::Awake:
        return sets.awake;
    case ChartPeriod::Asleep:
        return sets.asleep;
    case ChartPeriod::All:
        break;
    }
    return sets.included;
}
