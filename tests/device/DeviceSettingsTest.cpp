#include <gtest/gtest.h>

#include "CIniDocument.h"
#include "DeviceSettings.h"
#include "TempDir.h"

namespace {

class DeviceSettingsTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string config = dir.file("OblCofig.ini");
};

TEST_F(DeviceSettingsTest, MissingKeysGiveTheDialogDefaults) {
    const PlanChoices c = DeviceSettings(config, "Config family").loadPlan();
    EXPECT_EQ(c.patientName, "");
    EXPECT_EQ(c.patientId, "");
    EXPECT_EQ(c.awakeTime, 14);
    EXPECT_EQ(c.awakeSpan, 1);
    EXPECT_EQ(c.asleepTime, 44);
    EXPECT_EQ(c.asleepSpan, 5);
    EXPECT_EQ(c.specialStart, 0);
    EXPECT_EQ(c.specialEnd, 0);
    EXPECT_EQ(c.specialSpan, 0);
    EXPECT_EQ(c.startKey, 0);
    EXPECT_EQ(c.display, 0);
}

TEST_F(DeviceSettingsTest, SavedChoicesGoUnderTheirKeysInTheGivenSection) {
    PlanChoices c;
    c.patientName = "\xC0\xEE"; // GBK bytes are kept as they are
    c.patientId = "X1";
    c.awakeTime = 12;
    c.asleepSpan = 9;
    c.specialStart = 3;
    c.display = 1;
    ASSERT_TRUE(DeviceSettings(config, "Config ward").savePlan(c));

    CIniDocument doc(config);
    EXPECT_EQ(doc.GetString("Config ward", "PatientName", ""), "\xC0\xEE");
    EXPECT_EQ(doc.GetString("Config ward", "PatientID", ""), "X1");
    EXPECT_EQ(doc.GetInt("Config ward", "Awake Time", -1), 12);
    EXPECT_EQ(doc.GetInt("Config ward", "Awake Span", -1), 1);
    EXPECT_EQ(doc.GetInt("Config ward", "Asleep Time", -1), 44);
    EXPECT_EQ(doc.GetInt("Config ward", "Asleep Span", -1), 9);
    EXPECT_EQ(doc.GetInt("Config ward", "Special Start", -1), 3);
    EXPECT_EQ(doc.GetInt("Config ward", "Special End", -1), 0);
    EXPECT_EQ(doc.GetInt("Config ward", "Special Span", -1), 0);
    EXPECT_EQ(doc.GetInt("Config ward", "Start Key", -1), 0);
    EXPECT_EQ(doc.GetInt("Config ward", "Display", -1), 1);
    EXPECT_EQ(doc.GetString("Config family", "Awake Time", "none"), "none");
}

TEST_F(DeviceSettingsTest, APositionOutsideItsListFallsBackToTheDefault) {
    {
        CIniDocument doc(config);
        doc.WriteInt("Config family", "Awake Time", 48);
        doc.WriteInt("Config family", "Special End", 48);
        doc.WriteInt("Config family", "Asleep Span", -1);
    }
    const PlanChoices c = DeviceSettings(config, "Config family").loadPlan();
    EXPECT_EQ(c.awakeTime, 14);
    EXPECT_EQ(c.specialEnd, 48); // the special lists have 49 entries
    EXPECT_EQ(c.asleepSpan, 5);
}

TEST_F(DeviceSettingsTest, LinkKeysOfTheSection) {
    EXPECT_EQ(DeviceSettings(config, "Config ward").extraPorts(), "");
    {
        CIniDocument doc(config);
        doc.WriteString("Config ward", "Extra Ports", "/dev/pts/4;/dev/ttyS9");
        doc.WriteInt("Config ward", "Trace Port", 1);
    }
    const DeviceSettings ward(config, "Config ward");
    EXPECT_EQ(ward.extraPorts(), "/dev/pts/4;/dev/ttyS9");
    EXPECT_TRUE(ward.tracePort());
    EXPECT_FALSE(DeviceSettings(config, "Config family").tracePort());
}

} // namespace
