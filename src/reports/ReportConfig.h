#pragma once

#include <array>
#include <string>
#include <vector>

#include "PageKinds.h"

class ConfigStore;

// One report layout: the pages a printed report holds and its title. The layouts of a user
// live in that user's report configuration file ("Report_" + user name + ".ini"): section
// "INFO" lists them ("count", "RP1" ... "RPn") and names the current one
// ("currentReportName"); each layout has a section of its own name.
struct ReportConfig {
    static constexpr std::size_t kMaxNameLength = 30;   // characters
    static constexpr std::size_t kMaxTitleLength = 100; // characters

    std::string name; // trimmed; also the name of its section
    std::string title;
    std::array<int, PageKinds::kPageKeys.size()> pageFlags{}; // by page key; 1: printed
    int spo2Report = 0; // 0 none, 1 summary, 2 full analysis, 3 quantitative, 4 with histograms

    // What the editor offers for a new layout: patient data, bar graph, histogram, pie chart,
    // data and clinical summary pages, with the SpO2 summary.
    static ReportConfig NewLayout();
    bool hasAnyPage() const;
};

struct ReportList {
    std::vector<std::string> names; // "RP1" ... "RPcount", "error" for a missing key
    std::string currentName;        // "currentReportName"
};

ReportList ReadReportList(const std::string& reportPath);

// The layout's keys, each page key 1 and the title empty where missing.
ReportConfig LoadReportConfig(const std::string& reportPath, const std::string& reportName);

// Empty names and names holding brackets, line breaks, control characters or path separators
// are refused: the name becomes a section header.
bool IsUsableReportName(const std::string& name);
// A layout of that name exists already (its section has a page key), or the name is the
// file's own "INFO".
bool ReportNameTaken(const std::string& reportPath, const std::string& name);

// Writes "Title", the page keys and "Spo2 Page" into the layout's section; a new layout
// is first appended to the list. False when the file could not be saved.
bool SaveReportConfig(const std::string& reportPath, const ReportConfig& config, bool isNew);

// Removes the layout's section and its list entry, moving the later entries up; the old last
// "RP" key stays behind, beyond "count". False when the file could not be saved.
bool DeleteReportConfig(const std::string& reportPath, const std::string& reportName);

struct AppliedReport {
    ReportConfig config;     // the layout as read back
    std::string unsavedFile; // the file that could not be saved, empty when both were
};
// Makes the layout current: "currentReportName" in the report configuration file, and its
// page selection (every page key and "Spo2 Page") in the current configuration's section of
// the configuration file, where printing reads it. A name without a layout (an empty list)
// leaves the page selection as it was.
AppliedReport ApplyCurrentReport(const std::string& reportPath, ConfigStore& store,
                                 const std::string& reportName);
