#include <gtest/gtest.h>

#include <filesystem>

#include "CIniDocument.h"
#include "ConfigStore.h"
#include "ReportConfig.h"
#include "ReportLayouts.h"
#include "TempDir.h"

namespace {

struct ReportFiles {
    TempDir dir;
    ConfigStore store = ConfigStore::InFolder(dir.path());
    std::string report = dir.file("Report_A.ini");

    std::string info(const std::string& key) const { return get("INFO", key); }
    std::string get(const std::string& section, const std::string& key) const {
        return CIniDocument(report).GetString(section, key, "<missing>");
    }
};

} // namespace

TEST(ReportConfig, NewLayoutIsListedAndReadBackAndMissingKeysHaveTheirDefaults) {
    ReportFiles f;
    ConfigStore::CreateReportConfigFile(f.report, "A");
    ReportConfig layout = ReportConfig::NewLayout();
    layout.name = "Week";
    layout.title = "Ward 3";
    ASSERT_TRUE(SaveReportConfig(f.report, layout, true));
    // A new layout prints the clinical summary and the SpO2 summary.
    EXPECT_EQ(f.get("Week", "Clinical Summary Page"), "1");
    EXPECT_EQ(f.info("count"), "1");
    EXPECT_EQ(f.info("RP1"), "Week");

    const ReportConfig back = LoadReportConfig(f.report, "Week");
    EXPECT_EQ(back.title, "Ward 3");
    EXPECT_EQ(back.pageFlags, layout.pageFlags);
    EXPECT_EQ(back.spo2Report, 1);

    // Missing page keys load as 1, a "Spo2 Page" beyond 4 as none. A layout saved before the
    // clinical summary existed does not print it.
    WriteFileBytes(f.report, "[X]\r\nData Page=0\r\nSpo2 Page=9\r\n");
    const ReportConfig x = LoadReportConfig(f.report, "X");
    EXPECT_EQ(x.pageFlags[0], 1);
    EXPECT_EQ(x.pageFlags[10], 0);
    EXPECT_EQ(x.pageFlags[PageKinds::kClinicalSummarySwitch], 0);
    EXPECT_EQ(x.spo2Report, 0);
}

TEST(ReportConfig, DeletingTheMiddleLayoutMovesTheLastUpAndLeavesItsOldKey) {
    ReportFiles f;
    AddLayout(f.report, "A", {0});
    AddLayout(f.report, "B", {1});
    AddLayout(f.report, "C", {2});
    ASSERT_TRUE(DeleteReportConfig(f.report, "B"));
    EXPECT_EQ(f.info("count"), "2");
    EXPECT_EQ(f.info("RP1"), "A");
    EXPECT_EQ(f.info("RP2"), "C");
    EXPECT_EQ(f.info("RP3"), "C");
    EXPECT_EQ(f.get("B", "Statistics Page"), "<missing>");
    EXPECT_EQ(f.get("C", "BP Summary Page"), "1");
    EXPECT_EQ(ReadReportList(f.report).names, (std::vector<std::string>{"A", "C"}));

    // A name the list does not hold takes no other layout with it.
    ASSERT_TRUE(DeleteReportConfig(f.report, "Z"));
    EXPECT_EQ(f.info("count"), "2");
}

TEST(ReportConfig, ApplyingCopiesEveryKeyIntoTheCurrentConfiguration) {
    ReportFiles f;
    f.store.applyStartUp(f.dir.path());
    const int clinical = static_cast<int>(PageKinds::kClinicalSummarySwitch);
    AddLayout(f.report, "Stats", {1, clinical});
    const AppliedReport applied = ApplyCurrentReport(f.report, f.store, "Stats");
    EXPECT_EQ(applied.unsavedFile, "");
    EXPECT_EQ(applied.config.pageFlags[1], 1);
    EXPECT_EQ(f.info("currentReportName"), "Stats");
    const CIniDocument config(f.store.filePath());
    for (std::size_t kind = 0; kind < PageKinds::kPageKeys.size(); ++kind)
        EXPECT_EQ(config.GetString("Config family", PageKinds::kPageKeys[kind], "<missing>"),
                  kind == 1 || kind == PageKinds::kClinicalSummarySwitch ? "1" : "0")
            << PageKinds::kPageKeys[kind];
    EXPECT_EQ(config.GetString("Config family", "Spo2 Page", "<missing>"), "0");

    // No layout behind the name (an empty list): only the current name changes.
    const std::string before = ReadFileBytes(f.store.filePath());
    ApplyCurrentReport(f.report, f.store, "");
    EXPECT_EQ(f.info("currentReportName"), "");
    EXPECT_EQ(ReadFileBytes(f.store.filePath()), before);
}

TEST(ReportConfig, FailedSavesNameTheirFile) {
    ReportFiles f;
    const std::string lost = f.dir.file("missing/Report_A.ini");
    EXPECT_FALSE(SaveReportConfig(lost, ReportConfig::NewLayout(), false));
    EXPECT_FALSE(DeleteReportConfig(lost, "A"));
    EXPECT_EQ(ApplyCurrentReport(lost, f.store, "A").unsavedFile, lost);

    // A configuration file that cannot be written.
    AddLayout(f.report, "A", {0});
    std::filesystem::create_directory(f.store.filePath());
    EXPECT_EQ(ApplyCurrentReport(f.report, f.store, "A").unsavedFile, f.store.filePath());
}
