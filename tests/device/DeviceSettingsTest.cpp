#include <gtest/gtest.h>

#include "CIniDocument.h"
#include "DeviceSettings.h"
#include "TempDir.h"

namespace {

TEST(DeviceSettings, ChoicesAreKeptUnderTheirKeysAndMissingOrOutsideOnesGiveTheDefaults) {
    TempDir dir;
    const std::string config = dir.file("OblCofig.ini");
    // The special lists have 49 entries, the others fewer.
    WriteFileBytes(config,
                   "[Config family]\r\nAwake Time=48\r\nSpecial End=48\r\nAsleep Span=-1\r\n"
                   "Extra Ports=/dev/pts/4;/dev/ttyS9\r\nTrace Port=1\r\n");
    const DeviceSettings family(config, "Config family");
    const PlanChoices c = family.loadPlan();
    // 07:00 is slot 14, 22:00 slot 44; 5 minutes is entry 1, 30 minutes entry 5.
    EXPECT_EQ(
        (std::vector<int>{c.awakeTime, c.awakeSpan, c.asleepTime, c.asleepSpan, c.specialStart,
                          c.specialEnd, c.specialSpan, c.startKey, c.display}),
        (std::vector<int>{14, 1, 44, 5, 0, 48, 0, 0, 0}));
    EXPECT_EQ(c.patientName + c.patientId, "");
    EXPECT_EQ(family.extraPorts(), "/dev/pts/4;/dev/ttyS9");
    EXPECT_TRUE(family.tracePort());

    // Name (GBK bytes kept as they are), identifier, then the list positions in key order.
    const DeviceSettings ward(config, "Config ward");
    ASSERT_TRUE(ward.savePlan({"\xC0\xEE", "X1", 12, 2, 40, 9, 3, 7, 4, 0, 1}));
    const CIniDocument doc(config);
    const std::vector<std::pair<const char*, std::string>> keys{
        {"PatientName", "\xC0\xEE"}, {"PatientID", "X1"},   {"Awake Time", "12"},
        {"Awake Span", "2"},         {"Asleep Time", "40"}, {"Asleep Span", "9"},
        {"Special Start", "3"},      {"Special End", "7"},  {"Special Span", "4"},
        {"Start Key", "0"},          {"Display", "1"}};
    for (const auto& [key, value] : keys)
        EXPECT_EQ(doc.GetString("Config ward", key, "missing"), value) << key;
    EXPECT_EQ(doc.GetString("Config family", "Awake Time", ""), "48");
    EXPECT_EQ(ward.extraPorts(), "");
    EXPECT_FALSE(ward.tracePort());
}

} // namespace
