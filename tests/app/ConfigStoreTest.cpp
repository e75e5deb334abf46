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
    // Each "key=value" as the section holds it.
    void ExpectKeys(const std::string& file, const std::string& section,
                    std::initializer_list<std::string> keys) const {
        const CIniDocument doc(file);
        for (const std::string& kv : keys) {
            const std::string key = kv.substr(0, kv.find('='));
            EXPECT_EQ(key + "=" + doc.GetString(section, key, "<missing>"), kv);
        }
    }

    TempDir dir;
    ConfigStore store = ConfigStore::InFolder(dir.path());
};

using Status = ConfigStore::SelectStatus;

} // namespace

// A report file left from an earlier user of that name is replaced; a deleted user's number
// is never given again.
TEST_F(ConfigStoreTest, UsersAreAddedSelectedAndDeletedAndNumbersNeverReused) {
    WriteFileBytes(dir.file("Report_A.ini"), "[INFO]\r\ncount=3\r\nRP1=old\r\n");
    EXPECT_EQ(store.selectUser("A").status, Status::Created);
    const std::string config = store.filePath();
    ExpectKeys(config, "Config Name List", {"Count=1", "1=A", "Del1=0"});
    ExpectKeys(config, "Config A",
               {"Config Name=A", "Awake Sys Thresh=140", "Asleep Sys Thresh=120",
                "Awake Dia Thresh=90", "Asleep Dia Thresh=80"});
    ExpectKeys(dir.file("Report_A.ini"), "INFO",
               {"userName=A", "count=0", "currentReportName=", "RP1=<missing>"});

    store.selectUser("B");
    ASSERT_TRUE(store.setPatientFilePath("Config A", "/data/records"));
    const auto existing = store.selectUser("  A\t");
    EXPECT_EQ(existing.status, Status::Existing);
    EXPECT_EQ(existing.patientFileFolder, "/data/records");
    EXPECT_EQ(store.currentSection(), "Config A");

    ASSERT_TRUE(store.deleteUser(1));
    EXPECT_EQ(Get("Config A", "Config Name"), "<missing>");
    EXPECT_FALSE(FileExists(dir.file("Report_A.ini")));
    EXPECT_EQ(store.selectUser("A").status, Status::Created);
    ExpectKeys(config, "Config Name List", {"Count=3", "Del1=1", "3=A"});
    const auto users = store.users();
    ASSERT_EQ(users.size(), 2u);
    EXPECT_EQ(users[1].number, 3);
    // A deleted entry cannot be deleted twice, nor can one that was never there.
    EXPECT_FALSE(store.deleteUser(1));
    EXPECT_FALSE(store.deleteUser(4));
    // Deleting all removes the listed users' report files and the configuration file.
    WriteFileBytes(dir.file("Report_Other.ini"), "[INFO]\r\n");
    ASSERT_TRUE(store.deleteAllUsers());
    for (const char* file : {"OblCofig.ini", "Report_A.ini", "Report_B.ini"})
        EXPECT_FALSE(FileExists(dir.file(file))) << file;
    EXPECT_TRUE(FileExists(dir.file("Report_Other.ini")));
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
    ExpectKeys(store.filePath(), "Config Name List", {"Count=1", "1=A"});
}

TEST_F(ConfigStoreTest, StartUpMakesFamilyCurrentAndKeepsTheFolderAndThePageSelection) {
    EXPECT_EQ(store.applyStartUp("/first").patientFileFolder, "/first");
    EXPECT_EQ(store.currentSection(), "Config family");
    ExpectKeys(store.filePath(), "Config family",
               {"Demographics Page=1", "Bar Graph Page=1", "Data Page=1", "BP Pie Page=1",
                "BP Histogram Page=1", "Statistics Page=<missing>", "Patient File Path=/first"});
    EXPECT_EQ(store.language(), "english");
    std::array<int, PageKinds::kPageKeys.size()> pages{};
    pages[0] = 1; // only the patient data page; "BP Pie Page" 0
    ASSERT_TRUE(store.writePageSelection("Config family", pages, 0));
    store.selectUser("A");
    const ConfigStore::StartUp startUp = store.applyStartUp("/second");
    EXPECT_TRUE(startUp.saved);
    EXPECT_EQ(startUp.patientFileFolder, "/first");
    EXPECT_EQ(store.currentSection(), "Config family");
    EXPECT_EQ(Get("Config family", "BP Pie Page"), "0");
    // A section that lacks a key gets the start-up value for it.
    WriteFileBytes(store.filePath(), "[Config family]\r\nData Page=0\r\n");
    store.applyStartUp("/third");
    EXPECT_EQ(Get("Config family", "BP Pie Page"), "1");
    EXPECT_EQ(Get("Config family", "Data Page"), "0");
}

// Accepted: systolic 50 ... 280, diastolic 40 ... 240, each systolic above its diastolic; a
// missing key reads as its default, and a set the thresholds page would refuse gives way to
// all four defaults (140, 120, 90, 80). The guideline defaults to ESH 2023, never guessed.
TEST_F(ConfigStoreTest, ThresholdsAndGuidelineDefaultPerKeyOrAsAWholeAndFollowTheCurrentConfig) {
    const auto all = [](BpThresholds t) {
        return std::array{t.awakeSys, t.asleepSys, t.awakeDia, t.asleepDia};
    };
    const std::string x = "[Previous Config]\r\nCurrent Config=Config X\r\n[Config X]\r\n";
    WriteFileBytes(store.filePath(), x + "Awake Sys Thresh=280\r\nAsleep Dia Thresh=40\r\n");
    EXPECT_EQ(all(store.currentThresholds()), (std::array{280, 120, 90, 40}));
    EXPECT_EQ(store.currentGuideline(), ClinicalGuideline::Esh2023);
    WriteFileBytes(store.filePath(), x + "Awake Sys Thresh=280\r\nAsleep Sys Thresh=281\r\n");
    EXPECT_EQ(all(store.currentThresholds()), (std::array{140, 120, 90, 80}));
    ASSERT_TRUE(store.writeThresholds("Config X", BpThresholds{135, 115, 85, 70}));
    EXPECT_EQ(all(store.thresholds("Config X")), (std::array{135, 115, 85, 70}));
    ASSERT_TRUE(store.writeGuideline("Config X", ClinicalGuideline::AccAha2017));
    EXPECT_EQ(store.currentGuideline(), ClinicalGuideline::AccAha2017);
    EXPECT_EQ(Get("Config X", "Guideline"), "ACCAHA2017");
    EXPECT_EQ(store.currentThresholds().awakeSys, 135); // the load thresholds stay
    WriteFileBytes(store.filePath(), x + "Guideline=esh\r\n");
    EXPECT_FALSE(ConfigStore::CurrentGuidelineIn(CIniDocument(store.filePath())));
    EXPECT_EQ(store.currentGuideline(), ClinicalGuideline::Esh2023);
}
