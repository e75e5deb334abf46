#include <gtest/gtest.h>

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

// Held by this very test program: the lock names our process, and discovery's test open sees
// the same. A lock file older than 10 s without a process number was left by a program killed
// while creating it (Qt alone waits 30 s); a number above the system's largest names no process.
TEST(SerialChannel, ALiveLockIsRespectedAndAStaleOneRemovedBeforeOpening) {
    SimulatedRecorder recorder({"--silent"});
    SerialChannel first, second;
    first.setPortName(recorder.port());
    second.setPortName(recorder.port());
    ASSERT_GE(first.open(LineSettings::Upload()), 0);
    EXPECT_EQ(second.open(LineSettings::Upload()), -1);
    EXPECT_EQ(second.openError().kind, OpenError::InUse);
    EXPECT_NE(second.openError().holder.find("PID " + std::to_string(::getpid())),
              std::string::npos)
        << second.openError().holder;
    EXPECT_FALSE(PortDiscovery::testOpen(recorder.port()));
    first.close();
    EXPECT_TRUE(PortDiscovery::testOpen(recorder.port()));

    const std::string lock = SerialPortLock::FilePath(recorder.port());
    long maxPid = 4194304;
    std::ifstream("/proc/sys/kernel/pid_max") >> maxPid;
    char uucp[32];
    std::snprintf(uucp, sizeof uucp, "%10ld\n", maxPid + 1);
    const std::vector<std::tuple<std::string, int, bool>> locks{
        {"", 10, true}, {uucp, 0, true}, {"", 0, false}}; // content, age in s, opens
    for (const auto& [content, age, opens] : locks) {
        WriteFileBytes(lock, content);
        std::filesystem::last_write_time(lock, std::filesystem::file_time_type::clock::now() -
                                                   std::chrono::seconds(age));
        EXPECT_EQ(second.open(LineSettings::Download()) >= 0 ? OpenError::None
                                                             : second.openError().kind,
                  opens ? OpenError::None : OpenError::InUse)
            << age;
        second.close();
        // An open port took the lock over and gave it back on closing; a respected one stays.
        EXPECT_EQ(FileExists(lock), !opens);
        std::filesystem::remove(lock);
    }
}

} // namespace
