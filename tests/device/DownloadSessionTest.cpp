#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "CIniDocument.h"
#include "DownloadSession.h"
#include "FakeTiming.h"
#include "RecorderScript.h"
#include "ScriptedChannel.h"
#include "TempDir.h"

namespace {

std::string Hex2(int byte) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

// Remembers what the download told the user, in order.
struct RecordingObserver : DownloadObserver {
    std::vector<std::string> messages;
    std::vector<std::pair<int, int>> progressCalls;
    int retriesLeft = 0;
    std::vector<std::string> otherFolders; // answers to failed saves, in order
    std::vector<bool> discardAnswers;      // answers to the discard question, in order

    void progress(int total, int done) override { progressCalls.emplace_back(total, done); }
    bool retryAfterNoDevice(const std::vector<PortFault>& faults) override {
        static const char* const kinds[] = {"missing", "in use", "no access", "answered"};
        std::string text = "no device";
        for (const PortFault& f : faults)
            text += "; " + f.port + " " + kinds[f.kind] + (f.holder.empty() ? "" : " " + f.holder) +
                    (f.kind == PortFault::WrongAnswer ? " " + Hex2(f.answer) : "");
        messages.push_back(text);
        return retriesLeft-- > 0;
    }
    void noData() override { messages.push_back("no data"); }
    void userHasNoData(int user) override {
        messages.push_back("user " + std::to_string(user) + " empty");
    }
    void unknownUserByte(int user, std::uint8_t byte) override {
        messages.push_back("unknown " + std::to_string(user) + " " + Hex2(byte));
    }
    void fileSaved(const SavedMemory& m) override {
        messages.push_back("saved " + std::filesystem::path(m.path).filename().string() + " d" +
                           std::to_string(m.damaged) + " i" + std::to_string(m.incomplete));
    }
    void nothingIntact(int user, int readings) override {
        messages.push_back("nothing " + std::to_string(user) + "/" + std::to_string(readings));
    }
    std::string folderAfterFailedSave(const std::string& path, int user) override {
        messages.push_back("failed " + path + " user " + std::to_string(user));
        if (otherFolders.empty()) return {};
        std::string next = otherFolders.front();
        otherFolders.erase(otherFolders.begin());
        return next;
    }
    bool discardUnsaved(int user, int readings) override {
        messages.push_back("discard " + std::to_string(user) + " " + std::to_string(readings));
        if (discardAnswers.empty()) return true;
        const bool answer = discardAnswers.front();
        discardAnswers.erase(discardAnswers.begin());
        return answer;
    }
    void linkLost(const LinkLoss& loss) override {
        std::string text = "lost " + std::to_string(loss.user) + " " +
                           (loss.expected < 0 ? std::string("header")
                                              : std::to_string(loss.received) + "/" +
                                                    std::to_string(loss.expected));
        for (std::size_t i = 0; i < loss.notDownloaded.size(); ++i)
            text += (i ? "," : " not ") + std::to_string(loss.notDownloaded[i]);
        messages.push_back(text);
    }
    void outOfStep() override { messages.push_back("out of step"); }
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
    const std::vector<std::string> expected{"saved 011003151230.awp d0 i0", "user 2 empty",
                                            "saved 031003151230.awp d0 i0"};
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
    EXPECT_EQ(Reading("011003151230.awp", 2), Grouped("00 0078 50 48 5F 0015 00 0000000"));
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
    EXPECT_EQ(Reading("021003151230.awp", 1), Grouped("00 0000 00 48 00 0000 00 0000000"));
    EXPECT_EQ(Reading("021003151230.awp", 2), Grouped("00 0000 00 48 00 0001 00 0000000"));
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

    EXPECT_EQ(observer.messages, (std::vector<std::string>{"no device; /dev/nothing missing",
                                                           "no device; /dev/nothing missing",
                                                           "no device; /dev/nothing missing"}));
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

// The stream of memory 1 holding Series(3), as it follows the echo: user byte at 0, count at
// 1, record k (from 0) at 2 + 12k. Record k: S = 110 + k, D 80, pulse 72 (0x48), M 95 (0x5F),
// 2010-03-15 10:00 + 15k minutes, error 0, reserved byte 0x5A.
struct LineFault {
    const char* what;
    int position;    // in the stream after the echo
    bool silentFrom; // true: nothing from here on arrives; false: only this byte is lost
    DownloadOutcome outcome;
    std::vector<std::string> messages;
    std::vector<std::string> readings; // of 011003151230.awp; empty: no file
};

TEST_F(DownloadSessionTest, EachMissingBytePositionHasItsOwnTruthfulOutcome) {
    // By hand: "%06d" offset split 2 + 4 around S "%04X", D, pulse, M, then the error code and
    // seven zeros; a failed reading keeps pulse and error, S, D and M are 0.
    const std::string good0 = Grouped("00 006E 50 48 5F 0000 00 0000000");
    // Record 2 read one byte late: its pulse is the recorder's M (0x5F), its error the reserved
    // byte 0x5A, its month the day 15: impossible, so failed at offset 0.
    const std::string shifted = Grouped("00 0000 00 5F 00 0000 5A 0000000");
    // Record 2 with only its pressures: failed, pulse 0x48, offset of reading 1.
    const std::string cutShort = Grouped("00 0000 00 48 00 0000 00 0000000");
    const std::string saved1 = "saved 011003151230.awp ";
    const std::vector<LineFault> faults{
        {"silent after the echo", 0, true, DownloadOutcome::LinkLost, {"lost 1 header not 1"}, {}},
        {"silent after user byte", 1, true, DownloadOutcome::LinkLost, {"lost 1 header not 1"}, {}},
        {"silent after 5 bytes of record 2",
         19,
         true,
         DownloadOutcome::LinkLost,
         {saved1 + "d0 i1", "lost 1 1/3"},
         {good0, cutShort}},
        // The count (3) is read as the user byte, the first record byte (0) as the count.
        {"user byte lost", 0, false, DownloadOutcome::Damaged, {"unknown 1 03", "out of step"}, {}},
        // A count read as 0 is no empty memory when the stream goes on after it.
        {"count lost", 1, false, DownloadOutcome::Damaged, {"out of step"}, {}},
        // Record 1 takes the first byte of record 2 as its reserved byte and stays good; record
        // 2 is shifted; record 3 lacks its last byte, and the wait for it ends the download.
        {"reserved byte lost",
         13,
         false,
         DownloadOutcome::Damaged,
         {saved1 + "d1 i1", "lost 1 2/3"},
         {good0, shifted, shifted}},
        // Every record shifted: no good one to start a test from, so no file.
        {"first record byte lost",
         2,
         false,
         DownloadOutcome::Damaged,
         {"nothing 1/3", "lost 1 2/3"},
         {}},
    };
    for (const LineFault& f : faults) {
        SCOPED_TRACE(f.what);
        std::vector<std::uint8_t> stream = BlockBytes(1, Series(3));
        if (f.silentFrom)
            stream.resize(f.position);
        else
            stream.erase(stream.begin() + f.position);
        TempDir folder;
        ScriptedChannel line;
        RecordingObserver told;
        line.addPort("/dev/ttyUSB0", DownloadRecorder(stream));
        DownloadSession session(
            line, [this] { return candidates; }, told, clock.timing());
        EXPECT_EQ(session.run(1, folder.path()), f.outcome);
        EXPECT_EQ(told.messages, f.messages);
        EXPECT_FALSE(line.isOpen());
        const std::string file = folder.file("011003151230.awp");
        EXPECT_EQ(FileExists(file) ? ReadingTexts(file) : std::vector<std::string>{}, f.readings);
    }
}

TEST_F(DownloadSessionTest, ARecorderFallingSilentAtAMemoryHeaderNamesTheMemoriesNotDownloaded) {
    EXPECT_EQ(Download(4, BlockBytes(1, Series(2))), DownloadOutcome::LinkLost);
    EXPECT_EQ(observer.messages,
              (std::vector<std::string>{"saved 011003151230.awp d0 i0", "lost 2 header not 2,3"}));
    EXPECT_EQ(CIniDocument(saved.front()).GetInt("TEST 1", "Count", 0), 2);
}

TEST_F(DownloadSessionTest, NoMemoryReplacesAFileThisDownloadWrote) {
    // Memory 2 comes with the user byte of memory 1, memory 3 with one that names no user.
    std::vector<std::uint8_t> stream = BlockBytes(1, Series(3));
    const std::vector<std::uint8_t> second = BlockBytes(1, Series(2));
    std::vector<std::uint8_t> third = BlockBytes(3, Series(1));
    third[0] = 0x7F;
    stream.insert(stream.end(), second.begin(), second.end());
    stream.insert(stream.end(), third.begin(), third.end());
    WriteFileBytes(dir.file("011003151230-2.awp"), "someone else's");

    EXPECT_EQ(Download(4, stream), DownloadOutcome::Damaged);
    // An unknown user byte names the memory expected there, never the one before.
    EXPECT_EQ(
        observer.messages,
        (std::vector<std::string>{"saved 011003151230.awp d0 i0", "saved 011003151230-3.awp d0 i0",
                                  "unknown 3 7F", "saved 031003151230.awp d0 i0"}));
    EXPECT_EQ(ReadingTexts(dir.file("011003151230.awp")).size(), 3u);
    EXPECT_EQ(ReadingTexts(dir.file("011003151230-3.awp")).size(), 2u);
    EXPECT_EQ(ReadFileBytes(dir.file("011003151230-2.awp")), "someone else's");
    ASSERT_FALSE(channel.notes().empty());
    EXPECT_EQ(channel.notes().front(), "damaged transfer: unknown user byte 7F for user 3");
}

TEST_F(DownloadSessionTest, NoRecorderNamesThePortsThatAreMissingHeldOrAnswerWrongly) {
    // A port that fails to open for another reason is skipped like a silent one.
    candidates = {"/dev/gone", "/dev/held", "/dev/odd", "/dev/other", "/dev/mute"};
    channel.addRefusingPort("/dev/held", {OpenError::InUse, "minicom, PID 812"});
    channel.addRefusingPort("/dev/odd", {OpenError::Other, {}});
    channel.addPort("/dev/other",
                    [](std::uint8_t, const std::vector<std::uint8_t>&) { return Plain({0x11}); });
    channel.addPort("/dev/mute");
    EXPECT_EQ(Download(4, {}, "/dev/elsewhere"), DownloadOutcome::NoDevice);
    EXPECT_EQ(observer.messages,
              std::vector<std::string>{"no device; /dev/gone missing; /dev/held in use minicom, "
                                       "PID 812; /dev/other answered 11"});
}

TEST_F(DownloadSessionTest, AFailedWriteAsksOnceMoreBeforeTheReadingsAreGivenUp) {
    const std::string missing = dir.path() + "/no-such-folder";
    const std::string file = missing + "/011003151230.awp";
    std::filesystem::create_directory(dir.path() + "/other");
    channel.addPort("/dev/ttyUSB0", DownloadRecorder(BlockBytes(2, Series(2))));
    // No folder, keep the readings; then another folder.
    observer.otherFolders = {"", dir.path() + "/other"};
    observer.discardAnswers = {false};
    DownloadSession session(
        channel, [this] { return candidates; }, observer, clock.timing());

    EXPECT_EQ(session.run(2, missing), DownloadOutcome::Completed);
    const std::string file2 = missing + "/021003151230.awp";
    EXPECT_EQ(
        observer.messages,
        (std::vector<std::string>{"failed " + file2 + " user 2", "discard 2 2",
                                  "failed " + file2 + " user 2", "saved 021003151230.awp d0 i0"}));
    EXPECT_EQ(CIniDocument(dir.path() + "/other/021003151230.awp").GetInt("TEST 1", "Count", 0), 2);

    // Given up after the question: nothing saved, and the outcome says so.
    ScriptedChannel again;
    again.addPort("/dev/ttyUSB0", DownloadRecorder(BlockBytes(1, Series(2))));
    RecordingObserver giveUp;
    DownloadSession second(
        again, [this] { return candidates; }, giveUp, clock.timing());
    EXPECT_EQ(second.run(1, missing), DownloadOutcome::SaveFailed);
    EXPECT_EQ(giveUp.messages,
              (std::vector<std::string>{"failed " + file + " user 1", "discard 1 2"}));
    EXPECT_TRUE(second.savedFiles().empty());
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
