#include <gtest/gtest.h>

#include "CIniDocument.h"
#include "ConfigStore.h"
#include "TempDir.h"

namespace {

class ConfigStoreTest : public ::testing::Test {
  protected:
    std::string Get(const std::string& section, const std::string& key) const {
        const CIniDocument doc(store.filePath());
        return doc.GetString(section, key, "<missing>");
    }
    std::string GetReport(const std::string& user, const std::string& key) const {
        const CIniDocument doc(store.reportFilePath(user));
        return doc.GetString("INFO", key, "<missing>");
    }

    TempDir dir;
    ConfigStore store = ConfigStore::InFolder(dir.path());
};

using Status = ConfigStore::SelectStatus;

} // namespace

TEST_F(ConfigStoreTest, AddingTheFirstUserListsItAndGivesDefaultThresholds) {
    // A report file left from an earlier user of that name is replaced.
    WriteFileBytes(dir.file("Report_A.ini"), "[INFO]\r\ncount=3\r\nRP1=old\r\n");
    const auto result = store.selectUser("A");
    EXPECT_EQ(result.status, Status::Created);
    EXPECT_EQ(Get("Config Name List", "Count"), "1");
    EXPECT_EQ(Get("Config Name List", "1"), "A");
    EXPECT_EQ(Get("Config Name List", "Del1"), "0");
    EXPECT_EQ(Get("Config A", "Config Name"), "A");
    EXPECT_EQ(Get("Config A", "Awake Sys Thresh"), "140");
    EXPECT_EQ(Get("Config A", "Asleep Sys Thresh"), "120");
    EXPECT_EQ(Get("Config A", "Awake Dia Thresh"), "90");
    EXPECT_EQ(Get("Config A", "Asleep Dia Thresh"), "80");
    EXPECT_EQ(store.currentSection(), "Config A");
    // The report configuration file starts with no layouts.
    EXPECT_EQ(store.reportFilePath("A"), dir.file("Report_A.ini"));
    EXPECT_EQ(GetReport("A", "userName"), "A");
    EXPECT_EQ(GetReport("A", "count"), "0");
    EXPECT_EQ(GetReport("A", "currentReportName"), "");
    EXPECT_EQ(GetReport("A", "RP1"), "<missing>");
}

TEST_F(ConfigStoreTest, DeletedNumbersAreNeverReused) {
    store.selectUser("A");
    ASSERT_TRUE(store.deleteUser(1));
    EXPECT_EQ(Get("Config A", "Config Name"), "<missing>");
    EXPECT_FALSE(FileExists(dir.file("Report_A.ini")));
    EXPECT_TRUE(store.users().empty());

    EXPECT_EQ(store.selectUser("A").status, Status::Created);
    EXPECT_EQ(Get("Config Name List", "Count"), "2");
    EXPECT_EQ(Get("Config Name List", "Del1"), "1");
    EXPECT_EQ(Get("Config Name List", "2"), "A");
    EXPECT_EQ(Get("Config Name List", "Del2"), "0");
    const auto again = store.users();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].number, 2);
    EXPECT_EQ(again[0].name, "A");
    EXPECT_TRUE(FileExists(dir.file("Report_A.ini")));
    // A deleted entry cannot be deleted twice, nor can one that was never there.
    EXPECT_FALSE(store.deleteUser(1));
    EXPECT_FALSE(store.deleteUser(3));
}

TEST_F(ConfigStoreTest, SelectingAnExistingUserAddsNothing) {
    store.selectUser("A");
    store.selectUser("B");
    ASSERT_TRUE(store.setPatientFilePath("Config A", "/data/records"));
    const auto result = store.selectUser("  A\t");
    EXPECT_EQ(result.status, Status::Existing);
    EXPECT_EQ(result.name, "A");
    EXPECT_EQ(result.patientFileFolder, "/data/records");
    EXPECT_EQ(store.currentSection(), "Config A");
    EXPECT_EQ(Get("Config Name List", "Count"), "2");
}

TEST_F(ConfigStoreTest, BlankNamesAndNamesThatWouldBreakTheFileAreRefusedUnwritten) {
    EXPECT_EQ(store.selectUser("   ").status, Status::EmptyName);
    for (const std::string name : {"a/b", "..\\x", "x]", "[x", "Name List", "tab\x01"})
        EXPECT_EQ(store.selectUser(name).status, Status::InvalidName) << name;
    EXPECT_FALSE(FileExists(store.filePath()));
    // GBK characters whose second byte is '\' or '[' are letters, not separators.
    EXPECT_TRUE(ConfigStore::IsUsableUserName("\x95\x5C\x81\x5B"));
    EXPECT_EQ(store.selectUser("\xD5\xC5").status, Status::Created);
}

TEST_F(ConfigStoreTest, ADamagedCountNeitherRunsAwayNorBreaksTheNextNumber) {
    WriteFileBytes(store.filePath(), "[Config Name List]\r\nCount=2147483647\r\n1=A\r\nDel1=0\r\n");
    const auto users = store.users();
    ASSERT_GE(users.size(), 2u);
    EXPECT_EQ(users[0].name, "A");
    EXPECT_EQ(users[1].name, "no string"); // entries without a name key show the read default
    // A count of -1 starts the list at one.
    WriteFileBytes(store.filePath(), "[Config Name List]\r\nCount=-1\r\n");
    store.selectUser("A");
    EXPECT_EQ(Get("Config Name List", "Count"), "1");
    EXPECT_EQ(Get("Config Name List", "1"), "A");
}

TEST_F(ConfigStoreTest, DeleteAllRemovesReportFilesAndTheConfigurationFile) {
    store.selectUser("A");
    store.selectUser("B");
    WriteFileBytes(dir.file("Report_Other.ini"), "[INFO]\r\n");
    ASSERT_TRUE(store.deleteAllUsers());
    EXPECT_FALSE(FileExists(store.filePath()));
    EXPECT_FALSE(FileExists(dir.file("Report_A.ini")));
    EXPECT_FALSE(FileExists(dir.file("Report_B.ini")));
    EXPECT_TRUE(FileExists(dir.file("Report_Other.ini"))); // not a listed user's
}

TEST_F(ConfigStoreTest, StartUpMakesFamilyCurrentAndStoresTheWorkingFolder) {
    EXPECT_EQ(store.applyStartUp("/home/clinic").patientFileFolder, "/home/clinic");
    EXPECT_EQ(store.currentSection(), "Config family");
    for (const char* key :
         {"Demographics Page", "Bar Graph Page", "Data Page", "BP Pie Page", "BP Histogram Page"})
        EXPECT_EQ(Get("Config family", key), "1") << key;
    EXPECT_EQ(Get("Config family", "Statistics Page"), "<missing>");
    EXPECT_EQ(Get("Config family", "Patient File Path"), "/home/clinic");
    EXPECT_EQ(store.language(), "english");
}

TEST_F(ConfigStoreTest, StartUpKeepsTheFolderAndThePageSelectionAndSwitchesBackToFamily) {
    store.applyStartUp("/first");
    std::array<int, PageKinds::kPageKeys.size()> pages{};
    pages[0] = 1; // only the patient data page; "BP Pie Page" 0
    ASSERT_TRUE(store.writePageSelection("Config family", pages, 0));
    store.selectUser("A");
    const ConfigStore::StartUp startUp = store.applyStartUp("/second");
    EXPECT_TRUE(startUp.saved);
    EXPECT_EQ(startUp.patientFileFolder, "/first");
    EXPECT_EQ(store.currentSection(), "Config family");
    EXPECT_EQ(Get("Config family", "BP Pie Page"), "0");
    EXPECT_EQ(Get("Config family", "Demographics Page"), "1");
    // A section that lacks a key gets the start-up value for it.
    WriteFileBytes(store.filePath(), "[Config family]\r\nData Page=0\r\n");
    store.applyStartUp("/third");
    EXPECT_EQ(Get("Config family", "BP Pie Page"), "1");
    EXPECT_EQ(Get("Config family", "Data Page"), "0");
}

// Accepted: systolic 50 ... 280, diastolic 40 ... 240, each systolic above its diastolic; a
// missing key reads as its default, and a set the thresholds page would refuse gives way to
// all four defaults (140, 120, 90, 80).
TEST_F(ConfigStoreTest,
       ThresholdsDefaultPerMissingKeyOrAsAWholeWhenRefusedAndFollowTheCurrentConfig) {
    EXPECT_EQ(store.currentSection(), "no string");
    EXPECT_EQ(store.currentThresholds().awakeSys, 140);
    WriteFileBytes(store.filePath(),
                   "[Previous Config]\r\nCurrent Config=Config X\r\n"
                   "[Config X]\r\nAwake Sys Thresh=280\r\nAsleep Dia Thresh=40\r\n");
    BpThresholds t = store.currentThresholds();
    EXPECT_EQ(t.awakeSys, 280);
    EXPECT_EQ(t.asleepSys, 120);
    EXPECT_EQ(t.awakeDia, 90);
    EXPECT_EQ(t.asleepDia, 40);
    WriteFileBytes(store.filePath(),
                   "[Previous Config]\r\nCurrent Config=Config X\r\n"
                   "[Config X]\r\nAwake Sys Thresh=280\r\nAsleep Sys Thresh=281\r\n");
    t = store.currentThresholds();
    EXPECT_EQ(t.awakeSys, 140);
    EXPECT_EQ(t.asleepSys, 120);

    ASSERT_TRUE(store.writeThresholds("Config X", BpThresholds{135, 115, 85, 70}));
    const BpThresholds back = store.thresholds("Config X");
    EXPECT_EQ(back.asleepSys, 115);
    EXPECT_EQ(back.awakeDia, 85);
}

TEST_F(ConfigStoreTest, GuidelineDefaultsToEsh2023AndUnknownNamesAreNotGuessed) {
    WriteFileBytes(store.filePath(), "[Previous Config]\r\nCurrent Config=Config X\r\n");
    EXPECT_EQ(store.currentGuideline(), ClinicalGuideline::Esh2023);
    ASSERT_TRUE(store.writeGuideline("Config X", ClinicalGuideline::AccAha2017));
    EXPECT_EQ(store.currentGuideline(), ClinicalGuideline::AccAha2017);
    EXPECT_EQ(Get("Config X", "Guideline"), "ACCAHA2017");
    EXPECT_EQ(store.currentThresholds().awakeSys, 140); // the load thresholds stay
    WriteFileBytes(store.filePath(),
                   "[Previous Config]\r\nCurrent Config=Config X\r\n[Config X]\r\n"
                   "Guideline=esh\r\n");
    EXPECT_FALSE(ConfigStore::CurrentGuidelineIn(CIniDocument(store.filePath())));
    EXPECT_EQ(store.currentGuideline(), ClinicalGuideline::Esh2023);
}
