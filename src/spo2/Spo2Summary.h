#pragma once

#include <array>
#include <string>

class Spo2Analysis;

// The figures of one column of the event table, as printed.
struct Spo2ColumnTexts {
    std::string totalEvents;
    std::string totalEventMinutes;
    std::string averageEventSeconds;
    std::string indexPerHour;
    std::string artefactPercent;
    std::string adjustedIndex;
    std::string average;
    std::string minimum;
};

struct Spo2SummaryTexts {
    Spo2ColumnTexts spo2;
    Spo2ColumnTexts pulse;
    // Rows that only the SpO2 column has.
    std::string minutesBelowCritical;
    std::string eventsBelowCritical;
    std::string lowAverage;
    std::string lowAverageBelow88;
};

// One band of the SpO2 level table.
struct Spo2LevelRow {
    std::string band;
    std::string events;
    std::string below;
    std::string time;
};

constexpr int kSpo2LevelRows = 14;

// The texts of the SpO2 pages' tables, so the pages only place them. A figure that would
// divide by zero, or has nothing to show, prints "----".
namespace Spo2Summary {

Spo2SummaryTexts Figures(const Spo2Analysis& analysis);
// Bands 99-95 down to 34-30.
std::array<Spo2LevelRow, kSpo2LevelRows> LevelTable(const Spo2Analysis& analysis);

inline const char* const kNoFigure = "----";
// The row labelled "< 88%" keeps its own level whatever the critical level is.
constexpr int kLowAverageLevel = 88;

} // namespace Spo2Summary
