#include <gtest/gtest.h>

#include <filesystem>

#include "CIniDocument.h"
#include "DownloadSession.h"
#include "FakeTiming.h"
#include "RecorderScript.h"
#include "ScriptedChannel.h"
#include "TempDir.h"

namespace {

// Remembers what the download told the user, in order.
struct RecordingObserver : DownloadObserver {
    std::vector<std::string> messages;
    std::vector<std::pair<int, int>> progressCalls;
    int retriesLeft = 0;
    std::vector<std::string> otherFolders; // answers to failed saves, in order

    void progress(int total, int done) override { progressCalls.emplace_back(total, done); }
    bool retryAfterNoDevice() override {
        messages.push_back("no device");
        return retriesLeft-- > 0;
    }
    void noData() override { messages.push_back("no data"); }
    void userHasNoData(int user) override {
        messages.push_back("user " + std::to_string(user) + " empty");
    }
    void fileSaved(const std::string& path, int incomplete) override {
        messages.push_back("saved " + std::filesystem::path(path).filename().string() + " " +
                           std::to_string(incomplete));
    }
    std::string folderAfterFailedSave(const std::string& path) override {
        messages.push_back("failed " + path);
        if (otherFolders.empty()) return {};
        std::string next = otherFolders.front();
        otherFolders.erase(otherFolders.begin());
        return next;
    }
    void linkLost(int user, int received, int expected) override {
        messages.push_back("lost " + std::to_string(user) + " " + std::to_string(received) + "/" +
                           std::to_string(expected));
    }
};

class DownloadSessionTest : public ::testing::Test {
  protected:
    void SetUp() override { clock.now = UtcTime(2010, 3, 15, 12, 30); }

    DownloadOutcome Download(int selection, const std::vector<std::uint8_t>& stream,
                             const std::string& port = "/dev/ttyUSB0") {
        channel.addPort(port, DownloadRecorder(stream));
        DownloadSession session(
            channel, [this] { return candidates; }, observer, clock.timing());
        const DownloadOutcome outcome = session.run(selection, dir.path());
        saved = session.savedFiles();
        return outcome;
    }

    std::string Reading(const std::string& file, int n) {
        CIniDocument doc(dir.file(file));
        return doc.GetString("TEST 1", std::to_string(n), "missing");
    }

    TempDir dir;
    ScriptedChannel channel;
    RecordingObserver observer;
    FakeTiming clock;
    std::vector<std::string> candidates{"/dev/ttyUSB0"};
    std::vector<std::string> saved;
};

TEST_F(DownloadSessionTest, AllUsersWithAnEmptyMiddleMemoryWritesTwoFilesAndClosesThePort) {
    std::vector<std::uint8_t> stream = BlockBytes(1, Series(3));
    const std::vector<std::uint8_t> empty = BlockBytes(2, {});
    const std::vector<std::uint8_t> third = BlockBytes(3, Series(5));
    stream.insert(stream.end(), empty.begin(), empty.end());
    stream.insert(stream.end(), third.begin(), third.end());

    EXPECT_EQ(Download(4, stream), DownloadOutcome::Completed);

    // Clock 2010-03-15 12:30 gives "1003151230" after the user number.
    const std::vector<std::string> expected{"saved 011003151230.awp 0", "user 2 empty",
                                            "saved 031003151230.awp 0"};
    EXPECT_EQ(observer.messages, expected);
    EXPECT_EQ(saved.size(), 2u);
    EXPECT_EQ(channel.written("/dev/ttyUSB0"), std::vector<std::uint8_t>{0x14});
    EXPECT_FALSE(channel.isOpen());
    EXPECT_EQ(channel.events().back(), "close /dev/ttyUSB0");
    CIniDocument third3(dir.file("031003151230.awp"));
    EXPECT_EQ(third3.GetInt("TEST 1", "Count", 0), 5);
    EXPECT_EQ(channel.lastSettings().BaudRate, 9600u);
}

TEST_F(DownloadSessionTest, WritesTheHeaderOfTheFirstReading) {
    RawReading first;
    first.day = 5;
    first.hour = 9;
    first.minute = 7;
    RawReading second = first;
    second.minute = 22;
    ASSERT_EQ(Download(1, BlockBytes(1, {first, second})), DownloadOutcome::Completed);

    CIniDocument doc(dir.file("011003151230.awp"));
    EXPECT_EQ(doc.GetString("PATIENT DATA", "Name", ""), "num1");
    EXPECT_EQ(doc.GetString("PATIENT DATA", "ID", ""), "01");
    EXPECT_EQ(doc.GetString("PATIENT DATA", "Count", ""), "2");
    EXPECT_EQ(doc.GetInt("PATIENT DATA", "Test Count", 0), 1);
    EXPECT_EQ(doc.GetString("TEST 1", "TestBeginDate", ""), "5/3/2010 9:07");
    EXPECT_EQ(doc.GetString("TEST 1", "YearBegin", ""), "2010");
    EXPECT_EQ(doc.GetInt("TEST 1", "MonthBegin", 0), 3);
    EXPECT_EQ(doc.GetInt("TEST 1", "DayBegin", 0), 5);
    EXPECT_EQ(doc.GetInt("TEST 1", "HourBegin", 0), 9);
    EXPECT_EQ(doc.GetInt("TEST 1", "MinBegin", 0), 7);
    EXPECT_EQ(doc.GetInt("TEST 1", "Count", 0), 2);
    EXPECT_EQ(doc.GetString("TEST 1", "AMU", ""), "VELORA07");
    // 125 mmHg would be 007D; here 120/80, pulse 72, mean 95 at T = 15.
    EXPECT_EQ(Reading("011003151230.awp", 2), "00"
                                              "0078"
                                              "50"
                                              "48"
                                              "5F"
                                              "0015"
                                              "00"
                                              "0000000");
}

TEST_F(DownloadSessionTest, ImplausibleReadingsAreStoredWithZeroPressures) {
    RawReading high;
    high.systolic = 300; // above 270 counts as 0, so S > M fails
    RawReading meanAboveSystolic;
    meanAboveSystolic.systolic = 120;
    meanAboveSystolic.mean = 130;
    meanAboveSystolic.diastolic = 80;
    meanAboveSystolic.minute = 1;
    ASSERT_EQ(Download(2, BlockBytes(2, {high, meanAboveSystolic})), DownloadOutcome::Completed);

    // Pulse 72 = 0x48 stays; S, D and M become zeros.
    EXPECT_EQ(Reading("021003151230.awp", 1), "00"
                                              "0000"
                                              "00"
                                              "48"
                                              "00"
                                              "0000"
                                              "00"
                                              "0000000");
    EXPECT_EQ(Reading("021003151230.awp", 2), "00"
                                              "0000"
                                              "00"
                                              "48"
                                              "00"
                                              "0001"
                                              "00"
                                              "0000000");
}

TEST_F(DownloadSessionTest, TimeOffsetsCountWholeMinutesFromTheFirstReading) {
    RawReading at1000;
    RawReading at1001 = at1000;
    at1001.minute = 1;
    RawReading nextDay = at1000;
    nextDay.day = 16;
    nextDay.minute = 1; // one day and one minute: 1441
    RawReading faulty = at1000;
    faulty.error = 0x09;
    ASSERT_EQ(Download(3, BlockBytes(3, {at1000, at1001, nextDay, faulty})),
              DownloadOutcome::Completed);

    const std::string file = "031003151230.awp";
    EXPECT_EQ(Reading(file, 1).substr(0, 2) + Reading(file, 1).substr(12, 4), "000000");
    EXPECT_EQ(Reading(file, 2).substr(0, 2) + Reading(file, 2).substr(12, 4), "000001");
    EXPECT_EQ(Reading(file, 3).substr(0, 2), "00");
    EXPECT_EQ(Reading(file, 3).substr(12, 4), "1441");
    EXPECT_EQ(Reading(file, 4).substr(16, 2), "09");
}

TEST_F(DownloadSessionTest, ASecondDownloadInTheSameMinuteReplacesTheFile) {
    ASSERT_EQ(Download(1, BlockBytes(1, Series(3))), DownloadOutcome::Completed);
    ScriptedChannel again;
    again.addPort("/dev/ttyUSB0", DownloadRecorder(BlockBytes(1, Series(2))));
    DownloadSession session(
        again, [this] { return candidates; }, observer, clock.timing());
    ASSERT_EQ(session.run(1, dir.path()), DownloadOutcome::Completed);

    EXPECT_EQ(session.savedFiles(), saved);
    CIniDocument doc(saved.front());
    EXPECT_EQ(doc.GetInt("TEST 1", "Count", 0), 2);
    EXPECT_EQ(doc.GetString("TEST 1", "3", "gone"), "gone");
}

TEST_F(DownloadSessionTest, ProbesCandidatesUntilOneEchoesTheCommand) {
    candidates = {"/dev/missing", "/dev/mute", "/dev/wrongecho", "/dev/recorder"};
    channel.addPort("/dev/mute");
    channel.addPort("/dev/wrongecho",
                    [](std::uint8_t, const std::vector<std::uint8_t>&) { return Plain({0x12}); });
    ASSERT_EQ(Download(1, BlockBytes(1, Series(1)), "/dev/recorder"), DownloadOutcome::Completed);

    const std::vector<std::string> expected{
        "open /dev/missing",    "open /dev/mute",     "close /dev/mute",    "open /dev/wrongecho",
        "close /dev/wrongecho", "open /dev/recorder", "close /dev/recorder"};
    EXPECT_EQ(channel.events(), expected);
}

TEST_F(DownloadSessionTest, NoRecorderAsksAndWaitsASecondBeforeEachNewRound) {
    candidates = {"/dev/nothing"};
    observer.retriesLeft = 2;
    EXPECT_EQ(Download(1, {}, "/dev/elsewhere"), DownloadOutcome::NoDevice);

    EXPECT_EQ(observer.messages, (std::vector<std::string>{"no device", "no device", "no device"}));
    EXPECT_EQ(clock.waits, (std::vector<int>{1000, 1000}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(DownloadSessionTest, AFailingPortListCountsAsNoRecorder) {
    DownloadSession session(
        channel, []() -> std::vector<std::string> { throw std::runtime_error("no ports"); },
        observer, clock.timing());
    EXPECT_EQ(session.run(1, dir.path()), DownloadOutcome::NoDevice);
    EXPECT_EQ(observer.messages, std::vector<std::string>{"no device"});
}

TEST_F(DownloadSessionTest, AnEmptySingleMemoryEndsWithNoDataAndNoFile) {
    EXPECT_EQ(Download(2, BlockBytes(2, {})), DownloadOutcome::NoData);
    EXPECT_EQ(observer.messages, std::vector<std::string>{"no data"});
    EXPECT_FALSE(channel.isOpen());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(DownloadSessionTest, ProgressCountsEveryReading) {
    ASSERT_EQ(Download(1, BlockBytes(1, Series(3))), DownloadOutcome::Completed);
    EXPECT_EQ(observer.progressCalls, (std::vector<std::pair<int, int>>{{3, 1}, {3, 2}, {3, 3}}));
}

TEST_F(DownloadSessionTest, AnUnknownUserByteKeepsThePreviousUserNumber) {
    std::vector<std::uint8_t> stream = BlockBytes(2, Series(1));
    std::vector<std::uint8_t> odd = BlockBytes(3, Series(1));
    odd[0] = 0x7F;
    std::vector<std::uint8_t> last = BlockBytes(3, {});
    stream.insert(stream.end(), odd.begin(), odd.end());
    stream.insert(stream.end(), last.begin(), last.end());
    ASSERT_EQ(Download(4, stream), DownloadOutcome::Completed);
    // The second memory is written as user 2 again: same name, the first file replaced.
    EXPECT_EQ(observer.messages,
              (std::vector<std::string>{"saved 021003151230.awp 0", "saved 021003151230.awp 0",
                                        "user 3 empty"}));
}

TEST_F(DownloadSessionTest, ARecordCutShortIsStoredAsAFailedReadingAndCounted) {
    std::vector<std::uint8_t> stream = BlockBytes(1, Series(3));
    stream.resize(stream.size() - 4); // the last record lacks its date and error bytes
    EXPECT_EQ(Download(1, stream), DownloadOutcome::Completed);

    EXPECT_EQ(observer.messages, std::vector<std::string>{"saved 011003151230.awp 1"});
    // Pressures zero; the offset is the previous reading's (15), not an invented time.
    EXPECT_EQ(Reading("011003151230.awp", 3), "00"
                                              "0000"
                                              "00"
                                              "48"
                                              "00"
                                              "0015"
                                              "00"
                                              "0000000");
}

TEST_F(DownloadSessionTest, ARecorderFallingSilentKeepsWhatArrivedAndStops) {
    std::vector<std::uint8_t> stream = BlockBytes(1, Series(5));
    stream.resize(2 + 2 * 12); // two of five records arrive
    EXPECT_EQ(Download(4, stream), DownloadOutcome::LinkLost);

    EXPECT_EQ(observer.messages,
              (std::vector<std::string>{"saved 011003151230.awp 0", "lost 1 2/5"}));
    EXPECT_EQ(CIniDocument(saved.front()).GetInt("TEST 1", "Count", 0), 2);
    EXPECT_FALSE(channel.isOpen());
}

TEST_F(DownloadSessionTest, AFailedWriteOffersAnotherFolderAndKeepsTheReadings) {
    const std::string missing = dir.path() + "/no-such-folder";
    std::filesystem::create_directory(dir.path() + "/other");
    observer.otherFolders = {dir.path() + "/other"};
    channel.addPort("/dev/ttyUSB0", DownloadRecorder(BlockBytes(1, Series(2))));
    DownloadSession session(
        channel, [this] { return candidates; }, observer, clock.timing());

    EXPECT_EQ(session.run(1, missing), DownloadOutcome::Completed);
    EXPECT_EQ(observer.messages,
              (std::vector<std::string>{"failed " + missing + "/011003151230.awp",
                                        "saved 011003151230.awp 0"}));
    EXPECT_EQ(CIniDocument(dir.path() + "/other/011003151230.awp").GetInt("TEST 1", "Count", 0), 2);
}

TEST_F(DownloadSessionTest, AFailedWriteWithoutAnotherFolderSaysNothingWasSaved) {
    channel.addPort("/dev/ttyUSB0", DownloadRecorder(BlockBytes(1, Series(2))));
    DownloadSession session(
        channel, [this] { return candidates; }, observer, clock.timing());
    EXPECT_EQ(session.run(1, dir.path() + "/missing"), DownloadOutcome::SaveFailed);
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.messages[0].rfind("failed ", 0), 0u);
    EXPECT_TRUE(session.savedFiles().empty());
}

TEST(DownloadCommandBytes, SelectionsMapToTheRecorderCommands) {
    EXPECT_EQ(DownloadSession::CommandByte(1), 0x11);
    EXPECT_EQ(DownloadSession::CommandByte(3), 0x13);
    EXPECT_EQ(DownloadSession::CommandByte(4), 0x14);
    EXPECT_EQ(DownloadSession::BlockCount(2), 1);
    EXPECT_EQ(DownloadSession::BlockCount(4), 3);
    // No selection may send a byte the recorder does not understand.
    EXPECT_THROW(DownloadSession::CommandByte(5), std::invalid_argument);
    EXPECT_THROW(DownloadSession::CommandByte(0), std::invalid_argument);
}

} // namespace
