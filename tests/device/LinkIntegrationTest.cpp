// The protocols over the real serial channel against tools/recorder-sim on a pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "DownloadSession.h"
#include "FakeTiming.h"
#include "PortDiscovery.h"
#include "RecorderScript.h"
#include "SerialChannel.h"
#include "SerialPortLock.h"
#include "SimulatedRecorder.h"
#include "TempDir.h"
#include "TestObservers.h"

namespace {

// Appends memory `user` of a readings file: count readings 7 minutes apart from 2010-03-15
// 08:00 (a long memory runs into the next day), valid, implausible and faulty ones mixed.
// Returns the reading texts the download must write, worked out from the rules: S above 270
// counts as 0, S > M > D or all three are 0, the offset "%06d" split 2 + 4 around the pressures.
std::vector<std::string> VariedMemory(int user, int count, std::string& file) {
    file += "user " + std::to_string(user) + "\n";
    std::vector<std::string> texts;
    for (int k = 0; k < count; ++k) {
        const int j = k + user, t = 8 * 60 + 7 * k;
        const int s = 90 + (j * 13) % 200; // up to 289: some above 270
        const int d = 50 + (j * 7) % 60, pulse = 40 + j % 150, error = j % 23 ? 0 : j % 256;
        const int m = d + (j * 11) % 70 - 5; // sometimes not above D, sometimes above S
        char line[96], time[12], text[40];
        std::snprintf(line, sizeof line, "%d %d %d %d 2010-03-%02d %02d:%02d %d\n", s, d, pulse, m,
                      15 + t / 1440, t % 1440 / 60, t % 60, error);
        file += line;
        const int sys = s > 270 ? 0 : s;
        const bool valid = sys > m && m > d;
        std::snprintf(time, sizeof time, "%06d", 7 * k);
        std::snprintf(text, sizeof text, "%.2s%04X%02X%02X%02X%.4s%02X0000000", time,
                      valid ? sys : 0, valid ? d : 0, pulse, valid ? m : 0, time + 2, error);
        texts.push_back(text);
    }
    return texts;
}

// Paced at 9600 baud as a recorder sends, so most reads wait for their byte. The missing port
// before the recorder's is passed over. The clock is fixed: the files are 0u1003151230.awp.
TEST(LinkIntegration, DownloadsThreeMemoriesByteByByte) {
    TempDir dir;
    std::string file;
    const auto first = VariedMemory(1, 255, file), third = VariedMemory(3, 17, file);
    WriteFileBytes(dir.file("readings.txt"), file);
    SimulatedRecorder recorder("--readings " + dir.file("readings.txt") + " --baud 9600");
    SerialChannel channel;
    DownloadTold told;
    FakeTiming clock{UtcTime(2010, 3, 15, 12, 30), {}};
    const std::vector<std::string> ports{"/dev/no-such-port", recorder.port()};
    DownloadSession session(
        channel, [&] { return ports; }, told, clock.timing());
    ASSERT_EQ(session.run(4, dir.path()), DownloadOutcome::Completed);
    EXPECT_EQ(told.messages,
              (std::vector<std::string>{"saved 011003151230.awp d0 i0", "user 2 empty",
                                        "saved 031003151230.awp d0 i0"}));
    EXPECT_EQ(ReadingTexts(dir.file("011003151230.awp")), first);
    EXPECT_EQ(ReadingTexts(dir.file("031003151230.awp")), third);
    // 1 echo + 3 headers of 2 + 272 records of 12
    EXPECT_EQ(recorder.nextEvent(), "download 14 memories 3 sent 3271 bytes");
    EXPECT_FALSE(channel.isOpen());
}

// Held by this very test program: the lock names our process, and discovery's test open sees
// the same. A lock file older than 10 s without a process number was left by a program killed
// while creating it (Qt alone waits 30 s); a number above the system's largest names no process.
TEST(SerialChannel, ALiveLockIsRespectedAndAStaleOneRemovedBeforeOpening) {
    SimulatedRecorder recorder("--silent");
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
