#pragma once

#include "ReadingSetStats.h"
#include "ReadingSets.h"

// What the chart displays are drawn for: the period whose readings they summarise and the
// bands of the pie charts. Kept with the application state, so a printed chart page shows
// what the screen shows.
enum class ChartPeriod { All = 0, Awake = 1, Asleep = 2 };

// A pie chart's band: readings above upper, within [lower, upper], below lower.
struct ChartBand {
    int upper = 0;
    int lower = 0;
};

struct ChartBands {
    ChartBand systolic{140, 100};
    ChartBand diastolic{90, 60};
    ChartBand heartRate{100, 60};

    ChartBand& of(ReadingSetStats::Quantity q);
    const ChartBand& of(ReadingSetStats::Quantity q) const;
};

// Opening a record starts from these: all readings and the default bands.
struct ChartSettings {
    ChartPeriod period = ChartPeriod::All;
    ChartBands bands;
};

// The set the charts summarise for a period.
const ReadingSet& ChartSetOf(const ReadingSets& sets, ChartPeriod period);
