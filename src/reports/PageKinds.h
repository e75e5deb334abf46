#pragma once

#include <array>
#include <cstddef>

// The page kinds of a printed report and the keys that switch them on, shared by the report
// layout files, the configuration file's page selection and the print pipeline. Pages print
// in the order of their kinds, the clinical summary after the BP summary.
namespace PageKinds {

// The switches of the blood-pressure pages 0 to 9, the measurement-data pages (10) and the
// clinical summary page (11), by their key.
inline constexpr std::array<const char*, 12> kPageKeys = {"Demographics Page",
                                                          "Statistics Page",
                                                          "BP Summary Page",
                                                          "Colorized Graph Page",
                                                          "Bar Graph Page",
                                                          "BP Histogram Page",
                                                          "BP Pie Page",
                                                          "BP Correlation Page",
                                                          "Frequency Histogram Page",
                                                          "HR/MAP/PP Histogram Page",
                                                          "Data Page",
                                                          "Clinical Summary Page"};

// The SpO2 report type: 0 none, 1 summary, 2 full analysis, 3 quantitative, 4 strip chart.
inline constexpr const char* kSpo2PageKey = "Spo2 Page";

enum Kind : int {
    // Every kind from 0 up is taken; printed after the BP summary page.
    ClinicalSummaryPage = -1,
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

inline constexpr std::size_t kClinicalSummarySwitch = 11;

// The position in kPageKeys of the switch of a page kind; -1 for the kinds chosen otherwise
// (the data pages after the first, the SpO2 pages).
constexpr int SwitchOfKind(int kind) {
    if (kind == ClinicalSummaryPage) return static_cast<int>(kClinicalSummarySwitch);
    return kind >= Demographics && kind <= FirstDataPage ? kind : -1;
}
constexpr int KindOfSwitch(std::size_t index) {
    return index == kClinicalSummarySwitch ? ClinicalSummaryPage : static_cast<int>(index);
}

} // namespace PageKinds
