#include "PageTable.h"

#include <algorithm>
#include <filesystem>

#include "CIniDocument.h"
#include "ConfigStore.h"

using namespace PageKinds;

namespace {

constexpr Kind kDataKey = FirstDataPage; // "Data Page" is the switch after the BP pages
constexpr const char* kConfigPrefix = "Config ";

} // namespace

bool PageSelection::selects(int kind) const {
    const int key = SwitchOfKind(kind);
    return key >= 0 && pages[static_cast<std::size_t>(key)] == 1;
}

PageSelection ReadPageSelection(const CIniDocument& config) {
    PageSelection selection;
    const std::string section =
        config.GetString(ConfigStore::kPreviousConfig, "Current Config", ConfigStore::kNoString);
    for (std::size_t kind = 0; kind < kPageKeys.size(); ++kind)
        selection.pages[kind] = config.GetInt(section, kPageKeys[kind], 2);
    selection.spo2Page = config.GetInt(section, kSpo2PageKey, -1);
    return selection;
}

PageSelection StartUpPageSelection() {
    PageSelection selection;
    for (int kind : {Demographics, BarGraph, BpHistogram, BpPie, kDataKey})
        selection.pages[static_cast<std::size_t>(kind)] = 1;
    return selection;
}

std::string CurrentUserName(const CIniDocument& config) {
    const std::string section =
        config.GetString(ConfigStore::kPreviousConfig, "Current Config", ConfigStore::kNoString);
    if (section.rfind(kConfigPrefix, 0) != 0) return {};
    return section.substr(std::string(kConfigPrefix).size());
}

std::string ReadReportTitle(const std::string& reportFilePath) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(reportFilePath, ec)) return {};
    const CIniDocument doc(reportFilePath);
    const std::string name = doc.GetString("INFO", "currentReportName", "");
    if (name.empty()) return {};
    return doc.GetString(name, "Title", "");
}

std::vector<const BpReading*> DataPageReadings(const TestRecord& test) {
    std::vector<const BpReading*> readings;
    const int count = std::min(test.readingCount, kMaxReadings);
    for (int i = 0; i < count; ++i)
        if (test.readings[static_cast<std::size_t>(i)].included == 1)
            readings.push_back(&test.readings[static_cast<std::size_t>(i)]);
    return readings;
}

int DataPageCount(int readingCount) {
    if (readingCount <= 0) return 0;
    return (readingCount + kReadingsPerDataPage - 1) / kReadingsPerDataPage;
}

DataPageRows RowsOfDataPage(int page, int readingCount) {
    const int first = page * kReadingsPerDataPage;
    if (page < 0 || first >= readingCount) return {};
    return {first, std::min(kReadingsPerDataPage, readingCount - first)};
}

PageTable BuildPageTable(const PageSelection& selection, int dataReadingCount,
                         const Spo2PageSource& spo2) {
    PageTable table;
    table.dataPageCount = DataPageCount(dataReadingCount);
    for (int kind = Demographics; kind <= HrMapPpHistogram; ++kind) {
        if (selection.selects(kind)) table.kinds.push_back(kind);
        // The clinical summary interprets the ambulatory summary: it follows it.
        if (kind == BpSummary && selection.selects(ClinicalSummaryPage))
            table.kinds.push_back(ClinicalSummaryPage);
    }
    if (selection.selects(kDataKey))
        for (int d = 0; d < table.dataPageCount && FirstDataPage + d <= LastDataPage; ++d)
            table.kinds.push_back(FirstDataPage + d);
    if (!spo2.hasData) return table;
    switch (selection.spo2Page) {
    case 1:
        table.kinds.push_back(Spo2Summary);
        break;
    case 2:
        // A strip of no length would divide by zero: such a report has no strip pages.
        table.spo2FullPageCount =
            spo2.samplesPerStrip > 0 ? spo2.sampleCount / (3 * spo2.samplesPerStrip) + 1 : 0;
        for (int p = 0; p < table.spo2FullPageCount; ++p)
            table.kinds.push_back(FirstSpo2FullPage + p);
        break;
    case 3:
        table.kinds.push_back(Spo2Quantitative);
        break;
    case 4:
        table.kinds.push_back(Spo2StripChart);
        break;
    default:
        break;
    }
    return table;
}
