#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "PortDiscovery.h"
#include "SerialChannel.h"
#include "SerialPortLock.h"
#include "SimulatedRecorder.h"
#include "TempDir.h"

namespace {

TEST(SerialChannel, AMissingPortFailsToOpenAndStaysClosed) {
    SerialChannel channel;
    channel.setPortName("/dev/no-such-port");
    EXPECT_EQ(channel.open(LineSettings::Download()), -1);
    EXPECT_EQ(channel.openError().kind, OpenError::Missing);
    std::uint8_t byte = 0x11;
    EXPECT_EQ(channel.read(&byte, 1), 0);
    EXPECT_EQ(channel.write(1, &byte), 0);
    channel.close(); // closing a closed channel does nothing
    EXPECT_FALSE(channel.isOpen());
}

TEST(SerialChannel, AReadWithoutDataGivesUpAfterAbout150MsAndTheExchangeGoesOn) {
    SimulatedRecorder recorder({"--generate", "2,0,0", "--baud", "0"});
    SerialChannel channel;
    channel.setPortName(recorder.port());
    ASSERT_GE(channel.open(LineSettings::Download()), 0);
    std::uint8_t answer[40] = {};
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(channel.read(answer, 1), 0);
    // 50 ms per byte plus 100 ms; the upper bound only guards against waiting forever.
    EXPECT_GE(timer.elapsed(), 140);
    EXPECT_LT(timer.elapsed(), 2000);
    // A time-out is no error: the channel goes on.
    const std::uint8_t command = 0x11;
    ASSERT_EQ(channel.write(1, &command), 1);
    // Echo, user byte, count, two records: 27 bytes; a 40-byte read returns what came.
    EXPECT_EQ(channel.read(answer, 40), 27);
    EXPECT_EQ(std::vector<int>(answer, answer + 3), (std::vector<int>{0x11, 0x11, 2}));
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
    // Held by this very test program: its lock names our process.
    EXPECT_EQ(second.openError().kind, OpenError::InUse);
    EXPECT_NE(second.openError().holder.find("PID " + std::to_string(::getpid())),
              std::string::npos)
        << second.openError().holder;
    // Discovery's test open sees the same: a held port does not open.
    EXPECT_FALSE(PortDiscovery::testOpen(recorder.port()));
    first.close();
    EXPECT_TRUE(PortDiscovery::testOpen(recorder.port()));
    EXPECT_GE(second.open(LineSettings::Upload()), 0);
}

TEST(SerialChannel, AStaleLockFileIsRemovedBeforeOpeningAndALiveOneIsRespected) {
    SimulatedRecorder recorder({"--silent"});
    const std::string lock = SerialPortLock::FilePath(recorder.port());
    // A process number above the system's largest never names a running process.
    long maxPid = 4194304;
    std::ifstream("/proc/sys/kernel/pid_max") >> maxPid;
    char uucp[32];
    std::snprintf(uucp, sizeof uucp, "%10ld\n", maxPid + 1);
    struct Case {
        const char* what;
        std::string content;
        int ageSeconds;
        bool opens;
    };
    const std::vector<Case> cases{
        // Left by a program killed before it wrote its number; Qt alone waits 30 s.
        {"empty and old", "", 10, true},
        {"names no running process", uucp, 0, true},
        // Someone is creating it right now.
        {"empty and new", "", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileBytes(lock, c.content);
        std::filesystem::last_write_time(lock, std::filesystem::file_time_type::clock::now() -
                                                   std::chrono::seconds(c.ageSeconds));
        SerialChannel channel;
        channel.setPortName(recorder.port());
        EXPECT_EQ(channel.open(LineSettings::Download()) >= 0, c.opens);
        if (!c.opens) {
            EXPECT_EQ(channel.openError().kind, OpenError::InUse);
        }
        channel.close();
        // An open port took the lock over and gave it back on closing; a respected one stays.
        EXPECT_EQ(FileExists(lock), !c.opens);
        std::filesystem::remove(lock);
    }
}

} // namespace
