#include <gtest/gtest.h>

#include "PortInfo.h"

namespace {

TEST(PortInfo, PortNameIsTheTextInTheClosingParentheses) {
    EXPECT_EQ(PortInfo::PortNameFromFriendlyName("USB-SERIAL CH340 (COM7)"), "COM7");
    EXPECT_EQ(PortInfo::PortNameFromFriendlyName("Communications Port"), "");
    EXPECT_EQ(PortInfo::PortNameFromFriendlyName("(COM7)"), "");        // "(" must not lead
    EXPECT_EQ(PortInfo::PortNameFromFriendlyName("Port (COM7) x"), ""); // ")" must end it
}

TEST(PortInfo, CompletionFillsDescriptionAndFriendlyName) {
    PortInfo usb{"/dev/ttyUSB0", "COM7", "USB-SERIAL CH340 (COM7)", 1, ""};
    usb.complete();
    EXPECT_EQ(usb.description, "USB-SERIAL CH340");

    PortInfo bare{"/dev/ttyS0", "ttyS0", "", 0, ""};
    bare.complete();
    EXPECT_EQ(bare.friendlyName, "ttyS0");
    EXPECT_EQ(bare.description, "ttyS0");

    PortInfo described{"/dev/ttyACM0", "ttyACM0", "Recorder (ttyACM0)", 1, "CDC device"};
    described.complete();
    EXPECT_EQ(described.description, "CDC device");
}

TEST(CandidatePorts, ExtraPortsComeFirstEachPathOnce) {
    const std::vector<PortInfo> found{{"/dev/ttyS0", "ttyS0", "", 0, ""},
                                      {"/dev/pts/4", "pts4", "", 0, ""},
                                      {"/dev/ttyUSB0", "ttyUSB0", "", 1, ""}};
    const std::vector<std::string> expected{"/dev/pts/4", "/dev/ttyACM3", "/dev/ttyS0",
                                            "/dev/ttyUSB0"};
    EXPECT_EQ(CandidatePorts(" /dev/pts/4 ;;/dev/ttyACM3;", found), expected);
    EXPECT_EQ(CandidatePorts("", {}), std::vector<std::string>{});
}

} // namespace
