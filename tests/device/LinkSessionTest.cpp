#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "CIniDocument.h"
#include "DownloadSession.h"
#include "FakeTiming.h"
#include "MeasurementPlan.h"
#include "RecorderScript.h"
#include "ScriptedChannel.h"
#include "TempDir.h"
#include "TestObservers.h"
#include "UploadSession.h"

namespace {

using Texts = std::vector<std::string>;

// Every download runs at 2010-03-15 12:30, so user u's file is "0u1003151230.awp".
class DownloadSessionTest : public ::testing::Test {
  protected:
    DownloadOutcome Download(int selection, const std::vector<std::uint8_t>& stream,
                             const std::string& folder = {}) {
        channels.emplace_back().addPort("/dev/ttyUSB0", DownloadRecorder(stream));
        DownloadSession session(
            channels.back(), [] { return Texts{"/dev/ttyUSB0"}; }, told, clock.timing());
        return session.run(selection, folder.empty() ? dir.path() : folder);
    }

    TempDir dir;
    std::deque<ScriptedChannel> channels;
    DownloadTold told;
    FakeTiming clock{UtcTime(2010, 3, 15, 12, 30), {}};
};

// The stream of Blocks({{1, 3}}) after the echo: user byte at 0, count at 1, record k (from 0)
// at 2 + 12k. Record k: S = 110 + k, D 80, pulse 72 (0x48), M 95 (0x5F),
// 2010-03-15 10:00 + 15k minutes, error 0, reserved byte 0x5A.
TEST_F(DownloadSessionTest, EachMissingBytePositionHasItsOwnTruthfulOutcome) {
    struct LineFault {
        const char* what;
        int position;    // in the stream after the echo
        bool silentFrom; // true: nothing from here on arrives; false: only this byte is lost
        DownloadOutcome outcome;
        Texts messages;
        Texts readings; // of 011003151230.awp; empty: no file
    };
    // By hand: "%06d" offset split 2 + 4 around S "%04X", D, pulse, M, then the error code and
    // seven zeros; a failed reading keeps pulse and error, S, D and M are 0.
    const std::string good0 = Grouped("00 006E 50 48 5F 0000 00 0000000");
    // Record 2 read one byte late: its pulse is the recorder's M (0x5F), its error the reserved
    // byte 0x5A, its month the day 15: impossible, so failed at offset 0.
    const std::string shifted = Grouped("00 0000 00 5F 00 0000 5A 0000000");
    // Record 2 with only its pressures: failed, pulse 0x48, offset of reading 1.
    const std::string cutShort = Grouped("00 0000 00 48 00 0000 00 0000000");
    const std::string saved = "saved 011003151230.awp ";
    using O = DownloadOutcome;
    // clang-format off
    const std::vector<LineFault> faults{
        {"silent after the echo", 0, true, O::LinkLost, {"lost 1 header not 1"}, {}},
        {"silent after user byte", 1, true, O::LinkLost, {"lost 1 header not 1"}, {}},
        {"silent after 5 bytes of record 2", 19, true, O::LinkLost, {saved + "d0 i1", "lost 1 1/3"}, {good0, cutShort}},
        // The count (3) is read as the user byte, the first record byte (0) as the count.
        {"user byte lost", 0, false, O::Damaged, {"unknown 1 03", "out of step"}, {}},
        // A count read as 0 is no empty memory when the stream goes on after it.
        {"count lost", 1, false, O::Damaged, {"out of step"}, {}},
        // Record 1 takes the first byte of record 2 as its reserved byte and stays good; record
        // 2 is shifted; record 3 lacks its last byte, and the wait for it ends the download.
        {"reserved byte lost", 13, false, O::Damaged, {saved + "d1 i1", "lost 1 2/3"}, {good0, shifted, shifted}},
        // Every record shifted: no good one to start a test from, so no file.
        {"first record byte lost", 2, false, O::Damaged, {"nothing 1/3", "lost 1 2/3"}, {}},
    };
    // clang-format on
    for (const LineFault& f : faults) {
        SCOPED_TRACE(f.what);
        std::vector<std::uint8_t> stream = Blocks({{1, 3}});
        stream.erase(stream.begin() + f.position,
                     stream.begin() + (f.silentFrom ? stream.size() : f.position + 1));
        TempDir folder;
        told.messages.clear();
        EXPECT_EQ(Download(1, stream, folder.path()), f.outcome);
        EXPECT_EQ(told.messages, f.messages);
        EXPECT_FALSE(channels.back().isOpen());
        const std::string file = folder.file("011003151230.awp");
        EXPECT_EQ(FileExists(file) ? ReadingTexts(file) : Texts{}, f.readings);
    }
}

TEST_F(DownloadSessionTest, ARecorderFallingSilentAtAMemoryHeaderNamesTheMemoriesNotDownloaded) {
    EXPECT_EQ(Download(4, Blocks({{1, 2}})), DownloadOutcome::LinkLost);
    EXPECT_EQ(told.messages, (Texts{"saved 011003151230.awp d0 i0", "lost 2 header not 2,3"}));
}

TEST_F(DownloadSessionTest, NoMemoryReplacesAFileThisDownloadWroteButTheNextDownloadDoes) {
    // Memory 2 comes with the user byte of memory 1, memory 3 with one that names no user.
    std::vector<std::uint8_t> stream = Blocks({{1, 3}, {1, 2}, {3, 1}});
    stream[stream.size() - 14] = 0x7F; // memory 3: user byte, count, one record
    WriteFileBytes(dir.file("011003151230-2.awp"), "someone else's");
    EXPECT_EQ(Download(4, stream), DownloadOutcome::Damaged);
    // An unknown user byte names the memory expected there, never the one before.
    EXPECT_EQ(told.messages,
              (Texts{"saved 011003151230.awp d0 i0", "saved 011003151230-3.awp d0 i0",
                     "unknown 3 7F", "saved 031003151230.awp d0 i0"}));
    EXPECT_EQ(ReadingTexts(dir.file("011003151230.awp")).size(), 3u);
    EXPECT_EQ(ReadingTexts(dir.file("011003151230-3.awp")).size(), 2u);
    EXPECT_EQ(ReadFileBytes(dir.file("011003151230-2.awp")), "someone else's");
    EXPECT_EQ(channels[0].notes, Texts{"damaged transfer: unknown user byte 7F for user 3"});
    // One all-memories command at 9600 baud; progress is (readings, received) per memory.
    EXPECT_EQ(channels[0].written["/dev/ttyUSB0"], std::vector<std::uint8_t>{0x14});
    EXPECT_EQ(channels[0].settings.BaudRate, 9600u);
    EXPECT_EQ(told.progressCalls,
              (std::vector<std::pair<int, int>>{{3, 1}, {3, 2}, {3, 3}, {2, 1}, {2, 2}, {1, 1}}));
    EXPECT_FALSE(channels[0].isOpen());
    // A second download in the same minute replaces this one's file.
    ASSERT_EQ(Download(1, Blocks({{1, 2}})), DownloadOutcome::Completed);
    EXPECT_EQ(ReadingTexts(dir.file("011003151230.awp")).size(), 2u);
    EXPECT_EQ(CIniDocument(dir.file("011003151230.awp")).GetString("TEST 1", "3", "gone"), "gone");
}

TEST_F(DownloadSessionTest, AFailedWriteAsksOnceMoreBeforeTheReadingsAreGivenUp) {
    const std::string missing = dir.path() + "/no-such-folder";
    std::filesystem::create_directory(dir.path() + "/other");
    // No folder, keep the readings; then another folder.
    told.otherFolders = {"", dir.path() + "/other"};
    EXPECT_EQ(Download(2, Blocks({{2, 2}}), missing), DownloadOutcome::Completed);
    const std::string file2 = missing + "/021003151230.awp";
    EXPECT_EQ(told.messages,
              (Texts{"failed " + file2 + " user 2", "discard 2 2", "failed " + file2 + " user 2",
                     "saved 021003151230.awp d0 i0"}));
    EXPECT_EQ(ReadingTexts(dir.path() + "/other/021003151230.awp").size(), 2u);
    // Given up after the question: nothing saved, and the outcome says so.
    told.messages.clear();
    EXPECT_EQ(Download(1, Blocks({{1, 2}}), missing), DownloadOutcome::SaveFailed);
    EXPECT_EQ(told.messages,
              (Texts{"failed " + missing + "/011003151230.awp user 1", "discard 1 2"}));
}

// Each round without a recorder asks; a retry probes again after a second; nothing is written.
TEST_F(DownloadSessionTest, NoRecorderAsksAndEachRetryProbesAgainAfterASecond) {
    for (const bool upload : {false, true}) {
        ScriptedChannel& line = channels.emplace_back();
        line.addPort("/dev/pts/9"); // opens, never answers
        const auto ports = [] { return Texts{"/dev/pts/9"}; };
        UploadTold up;
        told.retriesLeft = up.retriesLeft = 2;
        clock.waits.clear();
        if (upload)
            EXPECT_EQ(UploadSession(line, ports, up, clock.timing())
                          .run(MeasurementPlan::Ambulatory({}, RecorderKind::ZemAbpm, 0)),
                      UploadOutcome::NoDevice);
        else
            EXPECT_EQ(DownloadSession(line, ports, told, clock.timing()).run(1, dir.path()),
                      DownloadOutcome::NoDevice);
        EXPECT_EQ(upload ? up.questions : int(told.messages.size()), 3) << upload;
        EXPECT_EQ(clock.waits, (std::vector<int>{1000, 1000}));
        EXPECT_EQ(line.written["/dev/pts/9"].size(), 3u); // the probe byte of each round
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

using Answers = std::vector<ScriptedChannel::Answer>;

// Kind 0 sends 70 bytes after the handshake 0xAA, kinds 1 and 2 all 71 after 0x55. Plan byte 4
// gets the row's answers, every other one its acknowledgement at once. Ten reads without it
// (nine 2 s pauses between them and one before the port closes) end the upload.
TEST(UploadSession, EveryByteWaitsForItsAcknowledgementAndNoneIsSentTwice) {
    using Plan = MeasurementPlan;
    const Plan zem = Plan::Ambulatory({}, RecorderKind::ZemAbpm, 0);
    const std::uint8_t AA = 0xAA, x55 = 0x55;
    struct Row {
        const char* what;
        Plan plan;
        std::uint8_t ack;
        std::optional<Answers> answersToByte4;
        int sent, pauses;
        UploadOutcome outcome;
    };
    using O = UploadOutcome;
    // clang-format off
    const std::vector<Row> rows{
        {"kind 0", zem, AA, {}, 70, 0, O::Done},
        {"kind 1", Plan::Ambulatory({}, RecorderKind::VeloraAmbulatory, 0), x55, {}, 71, 0, O::Done},
        {"kind 2", Plan::Monitoring("Li", "7", {}), x55, {}, 71, 0, O::Done},
        {"late by three reads", zem, AA, Answers{{AA, 3}}, 70, 3, O::Done},
        {"junk first: one of the ten reads", zem, AA, Plain({0, AA}), 70, 1, O::Done},
        {"never", zem, AA, Answers{}, 5, 10, O::AcknowledgementLost},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ScriptedChannel channel;
        channel.addPort("/dev/pts/9", [&](std::uint8_t b, const std::vector<std::uint8_t>& before) {
            if (before.empty()) return b == r.ack ? Plain({r.ack}) : Answers{};
            return before.size() == 5 && r.answersToByte4 ? *r.answersToByte4 : Plain({r.ack});
        });
        UploadTold told;
        FakeTiming clock;
        UploadSession session(
            channel, [] { return std::vector<std::string>{"/dev/pts/9"}; }, told, clock.timing());
        EXPECT_EQ(session.run(r.plan), r.outcome);
        std::vector<std::uint8_t> expected{r.ack};
        expected.insert(expected.end(), r.plan.bytes().begin(), r.plan.bytes().begin() + r.sent);
        EXPECT_EQ(channel.written["/dev/pts/9"], expected);
        const int acknowledged = r.outcome == O::Done ? r.sent : r.sent - 1;
        EXPECT_EQ(session.acknowledged(), acknowledged);
        EXPECT_EQ(told.acknowledged.size(), std::size_t(acknowledged)); // progress for each
        EXPECT_EQ(told.acknowledged.back(), acknowledged);
        EXPECT_EQ(clock.waits, std::vector<int>(r.pauses, 2000));
        EXPECT_EQ(channel.settings.BaudRate, 4800u);
        EXPECT_FALSE(channel.isOpen());
    }
}

} // namespace
