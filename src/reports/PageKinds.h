#pragma once

#include <array>

// The page kinds of a printed report and the keys that switch them on, shared by the report
// layout files, the configuration file's page selection and the print pipeline. The order is
// the order of the printed pages.
namespace PageKinds {

// Blood-pressure pages 0 to 9 and the measurement-data pages (10) by the key of their switch.
inline constexpr std::array<const char*, 11> kPageKeys = {"Demographics Page",
                                                          "Statistics Page",
                                                          "BP Summary Page",
                                                          "Colorized Graph Page",
                                                          "Bar Graph Page",
                                                          "BP Histogram Page",
                                                          "BP Pie Page",
                                                          "BP Correlation Page",
                                                          "Frequency Histogram Page",
                                                          "HR/MAP/PP Histogram Page",
                                                          "Data Page"};

// The SpO2 report type: 0 none, 1 summary, 2 full analysis, 3 quantitative, 4 strip chart.
inline constexpr const char* kSpo2PageKey = "Spo2 Page";

enum Kind : int {
    Demographics = 0,
    Statistics = 1,
    BpSummary = 2,
    ColorizedGraph = 3,
    BarGraph = 4,
    BpHistogram = 5,
    BpPie = 6,
    BpCorrelation = 7,
    FrequencyHistogram = 8,
    HrMapPpHistogram = 9,
    FirstDataPage = 10, // data page d is kind 10 + d
    LastDataPage = 50,
    Spo2Summary = 51,
    Spo2Quantitative = 52,
    Spo2StripChart = 53,
    FirstSpo2FullPage = 54, // page p of the full SpO2 report is kind 54 + p
};

inline constexpr int kReadingsPerDataPage = 45;

} // namespace PageKinds
