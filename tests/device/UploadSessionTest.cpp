#include <gtest/gtest.h>

#include <optional>

#include "FakeTiming.h"
#include "MeasurementPlan.h"
#include "ScriptedChannel.h"
#include "TestObservers.h"
#include "UploadSession.h"

namespace {

using Answers = std::vector<ScriptedChannel::Answer>;

// Kind 0 sends 70 bytes after the handshake 0xAA; kinds 1 and 2 all 71, the kind byte last,
// after 0x55. Plan byte 4 gets the row's answers, every other one its acknowledgement at once.
// A byte is never sent twice; ten reads without the acknowledgement (nine 2 s pauses between
// them and one before the port closes) end the upload.
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
    const std::vector<Row> rows{
        {"kind 0", zem, AA, {}, 70, 0, UploadOutcome::Done},
        {"kind 1",
         Plan::Ambulatory({}, RecorderKind::VeloraAmbulatory, 0),
         x55,
         {},
         71,
         0,
         UploadOutcome::Done},
        {"kind 2", Plan::Monitoring("Li", "7", {}), x55, {}, 71, 0, UploadOutcome::Done},
        {"late by three reads", zem, AA, Answers{{AA, 3}}, 70, 3, UploadOutcome::Done},
        {"junk first: one of the ten reads", zem, AA, Plain({0, AA}), 70, 1, UploadOutcome::Done},
        {"never", zem, AA, Answers{}, 5, 10, UploadOutcome::AcknowledgementLost},
    };
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
        const int acknowledged = r.outcome == UploadOutcome::Done ? r.sent : r.sent - 1;
        EXPECT_EQ(session.acknowledged(), acknowledged);
        EXPECT_EQ(told.acknowledged.size(), std::size_t(acknowledged)); // progress for each
        EXPECT_EQ(told.acknowledged.back(), acknowledged);
        EXPECT_EQ(clock.waits, std::vector<int>(r.pauses, 2000));
        EXPECT_EQ(channel.settings.BaudRate, 4800u);
        EXPECT_FALSE(channel.isOpen());
    }
}

} // namespace
