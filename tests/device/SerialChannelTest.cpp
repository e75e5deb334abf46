#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "PortDiscovery.h"
#include "SerialChannel.h"
#include "SimulatedRecorder.h"

namespace {

TEST(SerialChannel, AMissingPortFailsToOpenAndStaysClosed) {
    SerialChannel channel;
    channel.setPortName("/dev/no-such-port");
    EXPECT_EQ(channel.open(LineSettings::Download()), -1);
    EXPECT_FALSE(channel.isOpen());
    std::uint8_t byte = 0x11;
    EXPECT_EQ(channel.read(&byte, 1), 0);
    EXPECT_EQ(channel.write(1, &byte), 0);
    channel.close();
    channel.close(); // closing a closed channel does nothing
    EXPECT_FALSE(channel.isOpen());
}

TEST(SerialChannel, AOneByteReadWithoutDataGivesUpAfterAbout150Ms) {
    SimulatedRecorder recorder({"--silent"});
    SerialChannel channel;
    channel.setPortName(recorder.port());
    ASSERT_GE(channel.open(LineSettings::Download()), 0);
    std::uint8_t byte = 0;
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(channel.read(&byte, 1), 0);
    // 50 ms per byte plus 100 ms; the upper bound only guards against waiting forever.
    EXPECT_GE(timer.elapsed(), 140);
    EXPECT_LT(timer.elapsed(), 2000);
    // A time-out is no error: the channel reads again after it.
    EXPECT_EQ(channel.read(&byte, 1), 0);
    EXPECT_TRUE(channel.isOpen());
    channel.close();
    EXPECT_FALSE(channel.isOpen());
}

TEST(SerialChannel, APortHeldOpenCannotBeOpenedASecondTime) {
    SimulatedRecorder recorder({"--silent"});
    SerialChannel first, second;
    first.setPortName(recorder.port());
    second.setPortName(recorder.port());
    ASSERT_GE(first.open(LineSettings::Upload()), 0);
    EXPECT_EQ(second.open(LineSettings::Upload()), -1);
    // Discovery's test open sees the same: a held port does not open.
    EXPECT_FALSE(PortDiscovery::testOpen(recorder.port()));
    first.close();
    EXPECT_TRUE(PortDiscovery::testOpen(recorder.port()));
    EXPECT_GE(second.open(LineSettings::Upload()), 0);
    second.close();
}

TEST(SerialChannel, ExchangesBytesWithTheRecorder) {
    SimulatedRecorder recorder({"--generate", "2,0,0", "--baud", "0"});
    SerialChannel channel;
    channel.setPortName(recorder.port());
    ASSERT_GE(channel.open(LineSettings::Download()), 0);
    const std::uint8_t command = 0x11;
    ASSERT_EQ(channel.write(1, &command), 1);
    std::uint8_t answer[40] = {};
    // Echo, user byte, count, two records: 27 bytes; a 40-byte read returns what came.
    EXPECT_EQ(channel.read(answer, 40), 27);
    EXPECT_EQ(answer[0], 0x11);
    EXPECT_EQ(answer[1], 0x11);
    EXPECT_EQ(answer[2], 2);
    channel.close();
}

} // namespace
