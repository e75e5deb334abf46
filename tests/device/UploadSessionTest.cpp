#include <gtest/gtest.h>

#include "FakeTiming.h"
#include "MeasurementPlan.h"
#include "ScriptedChannel.h"
#include "UploadSession.h"

namespace {

struct RecordingObserver : UploadObserver {
    std::vector<int> acknowledged;
    int questions = 0;
    int retriesLeft = 0;
    void progress(int, int done) override { acknowledged.push_back(done); }
    bool retryAfterNoDevice(const std::vector<PortFault>&) override {
        ++questions;
        return retriesLeft-- > 0;
    }
};

// A recorder that echoes the handshake byte and acknowledges plan byte i after
// delays[i] empty reads (-1: never).
ScriptedChannel::Responder Recorder(std::uint8_t ack, std::map<int, int> delays = {}) {
    return [ack, delays](std::uint8_t b, const std::vector<std::uint8_t>& before) {
        if (before.empty()) return b == ack ? Plain({ack}) : std::vector<ScriptedChannel::Answer>{};
        const int index = static_cast<int>(before.size()) - 1;
        const auto it = delays.find(index);
        if (it == delays.end()) return Plain({ack});
        if (it->second < 0) return std::vector<ScriptedChannel::Answer>{};
        return std::vector<ScriptedChannel::Answer>{{ack, it->second}};
    };
}

MeasurementPlan Plan(RecorderKind kind) {
    PlanChoices c;
    c.patientName = "Li";
    c.patientId = "7";
    return MeasurementPlan::Ambulatory(c, kind, 1268656200); // 2010-03-15 12:30 UTC
}

class UploadSessionTest : public ::testing::Test {
  protected:
    UploadOutcome Upload(const MeasurementPlan& plan) {
        UploadSession session(
            channel, [] { return std::vector<std::string>{"/dev/pts/9"}; }, observer,
            clock.timing());
        const UploadOutcome outcome = session.run(plan);
        acknowledged = session.acknowledged();
        return outcome;
    }
    std::vector<std::uint8_t> PlanBytesSent() {
        const std::vector<std::uint8_t>& all = channel.written("/dev/pts/9");
        return {all.begin() + 1, all.end()}; // after the handshake byte
    }

    ScriptedChannel channel;
    RecordingObserver observer;
    FakeTiming clock;
    int acknowledged = 0;
};

TEST_F(UploadSessionTest, KindZeroSendsSeventyBytesAcknowledgedWithAA) {
    channel.addPort("/dev/pts/9", Recorder(0xAA));
    const MeasurementPlan plan = Plan(RecorderKind::ZemAbpm);
    ASSERT_EQ(Upload(plan), UploadOutcome::Done);

    EXPECT_EQ(channel.written("/dev/pts/9").front(), 0xAA);
    EXPECT_EQ(PlanBytesSent(),
              std::vector<std::uint8_t>(plan.bytes().begin(), plan.bytes().begin() + 70));
    EXPECT_EQ(observer.acknowledged.size(), 70u);
    EXPECT_EQ(observer.acknowledged.back(), 70);
    EXPECT_EQ(channel.lastSettings().BaudRate, 4800u);
    EXPECT_FALSE(channel.isOpen());
}

TEST_F(UploadSessionTest, KindsOneAndTwoSendSeventyOneBytesWithTheKindByte) {
    channel.addPort("/dev/pts/9", Recorder(0x55));
    ASSERT_EQ(Upload(Plan(RecorderKind::VeloraAmbulatory)), UploadOutcome::Done);
    EXPECT_EQ(PlanBytesSent().size(), 71u);
    EXPECT_EQ(PlanBytesSent().back(), 0x51);

    ScriptedChannel second;
    second.addPort("/dev/pts/9", Recorder(0x55));
    UploadSession session(
        second, [] { return std::vector<std::string>{"/dev/pts/9"}; }, observer, clock.timing());
    ASSERT_EQ(session.run(MeasurementPlan::Monitoring("Li", "7", {})), UploadOutcome::Done);
    EXPECT_EQ(second.written("/dev/pts/9").size(), 1u + 71u);
    EXPECT_EQ(second.written("/dev/pts/9").back(), 0x52);
}

TEST_F(UploadSessionTest, ALateAcknowledgementIsAcceptedWithoutSendingTheByteAgain) {
    channel.addPort("/dev/pts/9", Recorder(0x55, {{5, 3}})); // three empty reads first
    const MeasurementPlan plan = Plan(RecorderKind::VeloraAmbulatory);
    ASSERT_EQ(Upload(plan), UploadOutcome::Done);

    EXPECT_EQ(PlanBytesSent(), std::vector<std::uint8_t>(plan.bytes().begin(), plan.bytes().end()));
    EXPECT_EQ(clock.waits, (std::vector<int>{2000, 2000, 2000}));
}

TEST_F(UploadSessionTest, TenMissingAcknowledgementsEndTheUpload) {
    channel.addPort("/dev/pts/9", Recorder(0xAA, {{4, -1}}));
    EXPECT_EQ(Upload(Plan(RecorderKind::ZemAbpm)), UploadOutcome::AcknowledgementLost);

    EXPECT_EQ(acknowledged, 4);
    EXPECT_EQ(PlanBytesSent().size(), 5u); // byte 4 went out once, nothing after it
    EXPECT_EQ(channel.timedOutReads(), 10);
    // Nine pauses between the ten reads and a last one before the port closes.
    EXPECT_EQ(clock.waits, std::vector<int>(10, 2000));
    EXPECT_FALSE(channel.isOpen());
}

TEST_F(UploadSessionTest, AWrongAnswerCountsAsOneOfTheTenReads) {
    channel.addPort("/dev/pts/9", [](std::uint8_t b, const std::vector<std::uint8_t>& before) {
        if (before.empty()) return Plain({b});
        if (before.size() == 1) return Plain({0x00, 0xAA}); // junk, then the acknowledgement
        return Plain({0xAA});
    });
    ASSERT_EQ(Upload(Plan(RecorderKind::ZemAbpm)), UploadOutcome::Done);
    EXPECT_EQ(clock.waits, std::vector<int>{2000});
}

TEST_F(UploadSessionTest, OnlyThePortEchoingTheAcknowledgeByteIsTaken) {
    channel.addPort("/dev/pts/9", [](std::uint8_t b, const std::vector<std::uint8_t>&) {
        return b == 0x55 ? Plain({0x11}) : std::vector<ScriptedChannel::Answer>{};
    });
    EXPECT_EQ(Upload(Plan(RecorderKind::VeloraAmbulatory)), UploadOutcome::NoDevice);
    EXPECT_EQ(channel.written("/dev/pts/9"), std::vector<std::uint8_t>{0x55});
    EXPECT_EQ(observer.questions, 1);
}

TEST_F(UploadSessionTest, RetryProbesAgainAfterASecond) {
    observer.retriesLeft = 1;
    EXPECT_EQ(Upload(Plan(RecorderKind::ZemAbpm)), UploadOutcome::NoDevice);
    EXPECT_EQ(observer.questions, 2);
    EXPECT_EQ(clock.waits, std::vector<int>{1000});
    EXPECT_EQ(channel.events(), (std::vector<std::string>{"open /dev/pts/9", "open /dev/pts/9"}));
}

} // namespace
