#include <gtest/gtest.h>

#include "CIniDocument.h"
#include "PageTable.h"
#include "TempDir.h"

namespace {

PageSelection Selecting(std::initializer_list<int> kinds) {
    PageSelection s;
    for (int kind : kinds)
        s.pages[static_cast<std::size_t>(kind)] = 1;
    return s;
}

} // namespace

TEST(DataPages, FortyFiveReadingsFillAPage) {
    // ceil(n / 45) pages; the last one holds n - 45 * (pages - 1) rows.
    for (const auto& [readings, pages, lastCount] : {std::tuple(45, 1, 45), std::tuple(46, 2, 1),
                                                     std::tuple(90, 2, 45), std::tuple(0, 0, 0)}) {
        EXPECT_EQ(DataPageCount(readings), pages) << readings;
        const DataPageRows last = RowsOfDataPage(std::max(0, pages - 1), readings);
        EXPECT_EQ(last.first, 45 * std::max(0, pages - 1)) << readings;
        EXPECT_EQ(last.count, lastCount) << readings;
    }
}

TEST(PageTable, SelectedBpPagesThenDataPagesWithTheClinicalSummaryAfterTheBpSummary) {
    constexpr int kClinical = PageKinds::ClinicalSummaryPage;
    // 100 readings: ceil(100 / 45) = 3 data pages, kinds 10, 11, 12.
    const PageTable t = BuildPageTable(Selecting({0, 10}), 100, {});
    EXPECT_EQ(t.kinds, (std::vector<int>{0, 10, 11, 12}));
    EXPECT_EQ(t.dataPageCount, 3);
    // The clinical summary's switch is 11; it takes the BP summary's place, printed or not.
    EXPECT_EQ(BuildPageTable(Selecting({10, 2, 9, 11}), 0, {}).kinds,
              (std::vector<int>{2, kClinical, 9}));
    EXPECT_EQ(BuildPageTable(Selecting({0, 4, 11}), 1, {}).kinds,
              (std::vector<int>{0, kClinical, 4}));
}

TEST(PageTable, TheCurrentConfigurationSelectsPagesByTheValueOneAndNamesTheLayoutTitle) {
    TempDir dir;
    const std::string path = dir.file("OblCofig.ini");
    WriteFileBytes(path, "[Previous Config]\r\nCurrent Config=Config family\r\n"
                         "[Config family]\r\nDemographics Page=2\r\nStatistics Page=0\r\n"
                         "BP Summary Page=1\r\nData Page=3\r\nClinical Summary Page=1\r\n");
    const CIniDocument doc(path);
    // Every other page key is 2, 0, 3 or missing.
    EXPECT_EQ(BuildPageTable(ReadPageSelection(doc), 50, {}).kinds,
              (std::vector<int>{2, PageKinds::ClinicalSummaryPage}));
    EXPECT_EQ(CurrentUserName(doc), "family");

    // The title of the user's current layout; reading a missing file creates none.
    const std::string report = dir.file("Report_family.ini");
    EXPECT_EQ(ReadReportTitle(report), "");
    EXPECT_FALSE(FileExists(report));
    WriteFileBytes(report, "[INFO]\r\ncurrentReportName=Day\r\n[Day]\r\nTitle=Clinic A\r\n");
    EXPECT_EQ(ReadReportTitle(report), "Clinic A");
}

TEST(PageTable, Spo2PagesOnlyForARecordWithSpo2Data) {
    PageSelection s = Selecting({0});
    s.spo2Page = 1;
    EXPECT_EQ(BuildPageTable(s, 10, {}).kinds, (std::vector<int>{0}));
    EXPECT_EQ(BuildPageTable(s, 10, {true, 600, 600}).kinds, (std::vector<int>{0, 51}));
    // The full report: 86400 / (3 * 600) + 1 = 49 pages, kinds 54 to 102.
    s.spo2Page = 2;
    const PageTable full = BuildPageTable(s, 10, {true, 86400, 600});
    EXPECT_EQ(full.spo2FullPageCount, 49);
    ASSERT_EQ(full.kinds.size(), 50u);
    EXPECT_EQ(full.kinds[1], 54);
    EXPECT_EQ(full.kinds.back(), 102);
    // A strip of no length divides nothing.
    EXPECT_EQ(BuildPageTable(s, 10, {true, 86400, 0}).kinds, (std::vector<int>{0}));
}
