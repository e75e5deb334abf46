#include <gtest/gtest.h>

#include "FakeTiming.h"
#include "MeasurementPlan.h"
#include "ScriptedChannel.h"
#include "TestObservers.h"
#include "UploadSession.h"

namespace {

using Answers = std::vector<ScriptedChannel::Answer>;

// Echoes the handshake and then answers plan byte i (from 0) with the answers of i in
// script, the acknowledge byte at once when i is not in it.
ScriptedChannel::Responder Recorder(std::uint8_t ack, std::map<int, Answers> script = {}) {
    return [ack, script](std::uint8_t b, const std::vector<std::uint8_t>& before) {
        if (before.empty()) return b == ack ? Plain({ack}) : Answers{};
        const auto it = script.find(static_cast<int>(before.size()) - 1);
        return it == script.end() ? Plain({ack}) : it->second;
    };
}

class UploadSessionTest : public ::testing::Test {
  protected:
    UploadOutcome Upload(const MeasurementPlan& plan, ScriptedChannel::Responder recorder = {}) {
        channel.addPort("/dev/pts/9", std::move(recorder));
        UploadSession session(
            channel, [] { return std::vector<std::string>{"/dev/pts/9"}; }, told, clock.timing());
        const UploadOutcome outcome = session.run(plan);
        acknowledged = session.acknowledged();
        return outcome;
    }
    std::vector<std::uint8_t> PlanBytesSent() {
        const std::vector<std::uint8_t>& all = channel.written["/dev/pts/9"];
        return {all.begin() + 1, all.end()}; // after the handshake byte
    }

    ScriptedChannel channel;
    UploadTold told;
    FakeTiming clock;
    int acknowledged = 0;
    const MeasurementPlan zem = MeasurementPlan::Ambulatory({}, RecorderKind::ZemAbpm, 0);
};

TEST_F(UploadSessionTest, EachKindSendsItsLengthAfterItsHandshakeEveryByteAcknowledged) {
    // Kind 0: 70 bytes after 0xAA; kinds 1 and 2: all 71, the kind byte last, after 0x55.
    const std::vector<std::pair<MeasurementPlan, int>> kinds{
        {zem, 70},
        {MeasurementPlan::Ambulatory({}, RecorderKind::VeloraAmbulatory, 0), 71},
        {MeasurementPlan::Monitoring("Li", "7", {}), 71}};
    for (const auto& [plan, length] : kinds) {
        const std::uint8_t ack = length == 70 ? 0xAA : 0x55;
        channel = ScriptedChannel();
        told.acknowledged.clear();
        ASSERT_EQ(Upload(plan, Recorder(ack)), UploadOutcome::Done);
        std::vector<std::uint8_t> expected{ack};
        expected.insert(expected.end(), plan.bytes().begin(), plan.bytes().begin() + length);
        EXPECT_EQ(channel.written["/dev/pts/9"], expected);
        EXPECT_EQ(told.acknowledged.size(), std::size_t(length));
        EXPECT_EQ(told.acknowledged.back(), length);
        EXPECT_EQ(channel.settings.BaudRate, 4800u);
        EXPECT_FALSE(channel.isOpen());
    }
}

TEST_F(UploadSessionTest, AByteIsNeverSentTwiceAndTenReadsWithoutTheAcknowledgementEndTheUpload) {
    struct Case {
        const char* what;
        Answers answersToByte4;
        UploadOutcome outcome;
        int pauses; // of 2 s each
    };
    const std::vector<Case> cases{
        {"late by three reads", {{0xAA, 3}}, UploadOutcome::Done, 3},
        {"junk first: one of the ten reads", Plain({0x00, 0xAA}), UploadOutcome::Done, 1},
        // Nine pauses between the ten reads and a last one before the port closes.
        {"never", {}, UploadOutcome::AcknowledgementLost, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        channel = ScriptedChannel();
        clock.waits.clear();
        const UploadOutcome outcome = Upload(zem, Recorder(0xAA, {{4, c.answersToByte4}}));
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(clock.waits, std::vector<int>(c.pauses, 2000));
        const std::size_t sent = outcome == UploadOutcome::Done ? 70 : 5;
        EXPECT_EQ(PlanBytesSent(),
                  std::vector<std::uint8_t>(zem.bytes().begin(), zem.bytes().begin() + sent));
        EXPECT_FALSE(channel.isOpen());
    }
    EXPECT_EQ(acknowledged, 4);
    EXPECT_EQ(channel.timedOutReads, 10);
}

TEST_F(UploadSessionTest, RetryProbesAgainAfterASecond) {
    told.retriesLeft = 1;
    EXPECT_EQ(Upload(zem), UploadOutcome::NoDevice);
    EXPECT_EQ(told.questions, 2);
    EXPECT_EQ(clock.waits, std::vector<int>{1000});
    EXPECT_EQ(channel.events, (std::vector<std::string>{"open /dev/pts/9", "close /dev/pts/9",
                                                        "open /dev/pts/9", "close /dev/pts/9"}));
}

} // namespace
