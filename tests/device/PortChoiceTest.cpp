#include <gtest/gtest.h>

#include <stdexcept>

#include "PortInfo.h"
#include "PortProbe.h"
#include "ScriptedChannel.h"

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
    EXPECT_FALSE(none.port);
    EXPECT_TRUE(none.faults.empty());
}

TEST(CandidatePorts, ExtraPortsComeFirstEachPathOnce) {
    const std::vector<PortInfo> found{
        {"/dev/ttyS0", "ttyS0", 0}, {"/dev/pts/4", "pts4", 0}, {"/dev/ttyUSB0", "ttyUSB0", 1}};
    EXPECT_EQ(CandidatePorts(" /dev/pts/4 ;;/dev/ttyACM3;", found),
              (Texts{"/dev/pts/4", "/dev/ttyACM3", "/dev/ttyS0", "/dev/ttyUSB0"}));
}

} // namespace
