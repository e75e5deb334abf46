#pragma once

#include <array>
#include <string>
#include <vector>

#include "PageKinds.h"
#include "PatientRecord.h"

class CIniDocument;

// The page switches of a configuration as stored: only the value 1 selects a page.
struct PageSelection {
    std::array<int, PageKinds::kPageKeys.size()> pages{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    int spo2Page = -1; // 1 summary, 2 full analysis, 3 quantitative, 4 strip chart

    bool selects(int kind) const;
};

// The switches of the current configuration (section named by "Current Config"): each page key
// with default 2, "Spo2 Page" with default -1. A missing section selects nothing.
PageSelection ReadPageSelection(const CIniDocument& config);

// What a new installation prints: patient data, bar graph, histogram, pie and data pages.
PageSelection StartUpPageSelection();

// The user name of the current configuration ("Current Config" without "Config "), empty when
// none is current.
std::string CurrentUserName(const CIniDocument& config);

// "Title" of the current layout ("currentReportName" of "INFO") in a report configuration
// file; empty when the file or the key is missing. A missing file is not created.
std::string ReadReportTitle(const std::string& reportFilePath);

// Readings the data pages list: those whose inclusion flag is 1, failed measurements too.
std::vector<const BpReading*> DataPageReadings(const TestRecord& test);
// ceil(readingCount / 45).
int DataPageCount(int readingCount);

struct DataPageRows {
    int first = 0; // index into DataPageReadings
    int count = 0;
};
// The rows of data page `page` (0-based): 45, or what is left on the last page.
DataPageRows RowsOfDataPage(int page, int readingCount);

// What the SpO2 report module tells the pipeline about the loaded series.
struct Spo2PageSource {
    bool hasData = false;
    int sampleCount = 0;
    int samplesPerStrip = 0; // seconds of one strip of the full report
};

struct PageTable {
    std::vector<int> kinds; // page kind of page 1, 2, ...
    int dataPageCount = 0;
    int spo2FullPageCount = 0; // pages of the full SpO2 report, when it is selected
};

// The pages in their fixed order: the selected BP pages by kind, the data pages, the SpO2
// pages (only for a record with SpO2 data).
PageTable BuildPageTable(const PageSelection& selection, int dataReadingCount,
                         const Spo2PageSource& spo2);
