#include <gtest/gtest.h>

#include <stdexcept>

#include "CIniDocument.h"
#include "DeviceSettings.h"
#include "PortInfo.h"
#include "PortProbe.h"
#include "ScriptedChannel.h"
#include "TempDir.h"

namespace {

using Texts = std::vector<std::string>;

TEST(FindRecorderPort, TakesTheFirstPortThatEchoesAndNamesThoseThatCouldNotBeAsked) {
    ScriptedChannel channel;
    const auto echo = [](std::uint8_t b, const std::vector<std::uint8_t>&) { return Plain({b}); };
    channel.addRefusingPort("/dev/held", {OpenError::InUse, "minicom, PID 812"});
    channel.addRefusingPort("/dev/locked", {OpenError::NoAccess, {}});
    channel.addRefusingPort("/dev/odd", {OpenError::Other, {}}); // skipped like a silent one
    channel.addPort("/dev/mute");
    channel.addPort("/dev/other", [](std::uint8_t, const auto&) { return Plain({0x11}); });
    channel.addPort("/dev/recorder", echo);
    channel.addPort("/dev/later", echo);
    const Texts ports{"/dev/gone", "/dev/held",  "/dev/locked",   "/dev/odd",
                      "/dev/mute", "/dev/other", "/dev/recorder", "/dev/later"};
    const ProbeResult found = FindRecorderPort(
        channel, [&] { return ports; }, LineSettings::Download(), 0x14);
    EXPECT_EQ(found.port, "/dev/recorder");
    const char* const kinds[] = {"missing", "in use", "no access", "answered"};
    Texts faults;
    for (const PortFault& f : found.faults)
        faults.push_back(f.port + " " + kinds[f.kind] + " " + f.holder + " " +
                         std::to_string(f.answer));
    EXPECT_EQ(faults, (Texts{"/dev/gone missing  0", "/dev/held in use minicom, PID 812 0",
                             "/dev/locked no access  0", "/dev/other answered  17"}));
    // Every port that did not echo is closed again; the recorder's stays open.
    EXPECT_EQ(channel.events, (Texts{"open /dev/gone", "open /dev/held", "open /dev/locked",
                                     "open /dev/odd", "open /dev/mute", "close /dev/mute",
                                     "open /dev/other", "close /dev/other", "open /dev/recorder"}));
    EXPECT_TRUE(channel.isOpen());
    // A port list that cannot be built is an empty one: no recorder, nothing to name.
    const ProbeResult none = FindRecorderPort(
        channel, []() -> Texts { throw std::runtime_error("no ports"); }, LineSettings::Download(),
        0x14);
    EXPECT_TRUE(!none.port && none.faults.empty());
}

TEST(CandidatePorts, ExtraPortsComeFirstEachPathOnce) {
    const std::vector<PortInfo> found{
        {"/dev/ttyS0", "ttyS0", 0}, {"/dev/pts/4", "pts4", 0}, {"/dev/ttyUSB0", "ttyUSB0", 1}};
    EXPECT_EQ(CandidatePorts(" /dev/pts/4 ;;/dev/ttyACM3;", found),
              (Texts{"/dev/pts/4", "/dev/ttyACM3", "/dev/ttyS0", "/dev/ttyUSB0"}));
}

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
    EXPECT_FALSE(ward.tracePort());
}

} // namespace
