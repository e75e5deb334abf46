#include "ReportConfig.h"

#include <algorithm>

#include "CIniDocument.h"
#include "ConfigStore.h"

namespace {

const char* const kInfo = "INFO";
const char* const kCount = "count";
const char* const kCurrentReportName = "currentReportName";
const char* const kTitle = "Title";
// Read for an "RP" key that is missing.
const char* const kMissingName = "error";
// Not a page value: tells a missing "Demographics Page" apart.
constexpr int kAbsent = 100;

// A damaged "count" must neither make the list loop for ever nor number a new layout 0.
constexpr int kMaxLayouts = 10000;

std::string ListKey(int number) {
    return "RP" + std::to_string(number);
}

int LayoutCount(const CIniDocument& doc) {
    return std::clamp(doc.GetInt(kInfo, kCount, 0), 0, kMaxLayouts);
}

bool HasLayout(const CIniDocument& doc, const std::string& name) {
    return doc.GetInt(name, PageKinds::kPageKeys[PageKinds::Demographics], kAbsent) != kAbsent;
}

ReportConfig ReadLayout(const CIniDocument& doc, const std::string& name) {
    ReportConfig config;
    config.name = name;
    config.title = doc.GetString(name, kTitle, "");
    for (std::size_t kind = 0; kind < config.pageFlags.size(); ++kind) {
        // A layout saved before the clinical summary existed keeps printing what it printed.
        const int missing = kind == PageKinds::kClinicalSummarySwitch ? 0 : 1;
        config.pageFlags[kind] = doc.GetInt(name, PageKinds::kPageKeys[kind], missing) == 1 ? 1 : 0;
    }
    const int spo2 = doc.GetInt(name, PageKinds::kSpo2PageKey, 1);
    config.spo2Report = spo2 >= 0 && spo2 <= 4 ? spo2 : 0;
    return config;
}

} // namespace

ReportConfig ReportConfig::NewLayout() {
    ReportConfig config;
    for (const int kind : {PageKinds::Demographics, PageKinds::BarGraph, PageKinds::BpHistogram,
                           PageKinds::BpPie, PageKinds::FirstDataPage})
        config.pageFlags[static_cast<std::size_t>(kind)] = 1;
    config.pageFlags[PageKinds::kClinicalSummarySwitch] = 1;
    config.spo2Report = 1;
    return config;
}

bool ReportConfig::hasAnyPage() const {
    return spo2Report > 0 ||
           std::any_of(pageFlags.begin(), pageFlags.end(), [](int flag) { return flag > 0; });
}

ReportList ReadReportList(const std::string& reportPath) {
    const CIniDocument doc(reportPath);
    ReportList list;
    const int count = LayoutCount(doc);
    for (int i = 1; i <= count; ++i)
        list.names.push_back(doc.GetString(kInfo, ListKey(i), kMissingName));
    list.currentName = doc.GetString(kInfo, kCurrentReportName, "");
    return list;
}

ReportConfig LoadReportConfig(const std::string& reportPath, const std::string& reportName) {
    const CIniDocument doc(reportPath);
    return ReadLayout(doc, reportName);
}

bool IsUsableReportName(const std::string& name) {
    return !name.empty() && ConfigStore::IsPlainName(name);
}

bool ReportNameTaken(const std::string& reportPath, const std::string& name) {
    const CIniDocument doc(reportPath);
    return name == kInfo || HasLayout(doc, name);
}

bool SaveReportConfig(const std::string& reportPath, const ReportConfig& config, bool isNew) {
    CIniDocument doc(reportPath);
    bool written = true;
    if (isNew) {
        const int count = LayoutCount(doc) + 1;
        written = doc.WriteInt(kInfo, kCount, count) &&
                  doc.WriteString(kInfo, ListKey(count), config.name);
    }
    written = doc.WriteString(config.name, kTitle, config.title) && written;
    for (std::size_t kind = 0; kind < config.pageFlags.size(); ++kind)
        written = doc.WriteInt(config.name, PageKinds::kPageKeys[kind], config.pageFlags[kind]) &&
                  written;
    written = doc.WriteInt(config.name, PageKinds::kSpo2PageKey, config.spo2Report) && written;
    return written && doc.Save();
}

bool DeleteReportConfig(const std::string& reportPath, const std::string& reportName) {
    CIniDocument doc(reportPath);
    doc.DeleteSection(reportName);
    const int count = LayoutCount(doc);
    int found = 0;
    for (int i = 1; i <= count && found == 0; ++i)
        if (doc.GetString(kInfo, ListKey(i), kMissingName) == reportName) found = i;
    // A name the list does not hold leaves the count alone, so no other layout drops out.
    if (found > 0) {
        for (int j = found; j < count; ++j)
            doc.WriteString(kInfo, ListKey(j), doc.GetString(kInfo, ListKey(j + 1), kMissingName));
        doc.WriteInt(kInfo, kCount, count - 1);
    }
    return doc.Save();
}

AppliedReport ApplyCurrentReport(const std::string& reportPath, ConfigStore& store,
                                 const std::string& reportName) {
    AppliedReport result;
    bool hasLayout = false;
    {
        CIniDocument doc(reportPath);
        doc.WriteString(kInfo, kCurrentReportName, reportName);
        hasLayout = HasLayout(doc, reportName);
        result.config = ReadLayout(doc, reportName);
        if (!doc.Save()) {
            result.unsavedFile = reportPath;
            return result;
        }
    }
    if (hasLayout && !store.writePageSelection(store.currentSection(), result.config.pageFlags,
                                               result.config.spo2Report))
        result.unsavedFile = store.filePath();
    return result;
}
