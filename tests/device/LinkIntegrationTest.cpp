// The protocols over the real serial channel against tools/recorder-sim on a pseudo-terminal.
#include <gtest/gtest.h>

#include <filesystem>

#include "DownloadSession.h"
#include "FakeTiming.h"
#include "RecorderScript.h"
#include "SerialChannel.h"
#include "SimulatedRecorder.h"
#include "TempDir.h"
#include "TestObservers.h"
#include "UploadSession.h"

namespace {

std::vector<std::string> ExpectedTexts(const std::vector<SimReading>& sent) {
    std::vector<std::string> texts;
    for (const SimReading& r : sent)
        texts.push_back(r.expectedText());
    return texts;
}

// The clock is fixed (the files are 0u1003151230.awp); pauses are not needed here.
class LinkIntegrationTest : public ::testing::Test {
  protected:
    DownloadOutcome Download(int selection, const SimulatedRecorder& recorder) {
        DownloadSession session(
            channel,
            [&] {
                return std::vector<std::string>{"/dev/no-such-port", recorder.port()};
            },
            told, clock.timing());
        const DownloadOutcome outcome = session.run(selection, dir.path());
        saved = session.savedFiles();
        return outcome;
    }

    FakeTiming clock{UtcTime(2010, 3, 15, 12, 30), {}};
    TempDir dir;
    SerialChannel channel;
    DownloadTold told;
    std::vector<std::string> saved;
};

TEST_F(LinkIntegrationTest, DownloadsThreeMemoriesByteByByte) {
    const std::vector<std::vector<SimReading>> memories{
        VariedMemory(255, 0), {}, VariedMemory(17, 5)};
    WriteFileBytes(dir.file("readings.txt"), ReadingsFile(memories));
    SimulatedRecorder recorder({"--readings", dir.file("readings.txt"), "--baud", "0"});

    ASSERT_EQ(Download(4, recorder), DownloadOutcome::Completed);
    EXPECT_EQ(told.messages,
              (std::vector<std::string>{"saved 011003151230.awp d0 i0", "user 2 empty",
                                        "saved 031003151230.awp d0 i0"}));
    EXPECT_EQ(ReadingTexts(saved.at(0)), ExpectedTexts(memories[0]));
    EXPECT_EQ(ReadingTexts(saved.at(1)), ExpectedTexts(memories[2]));
    // 1 echo + 3 headers of 2 + 272 records of 12
    EXPECT_EQ(recorder.nextEvent(), "download 14 memories 3 sent 3271 bytes");
    EXPECT_FALSE(channel.isOpen());
}

TEST_F(LinkIntegrationTest, APacedDownloadArrivesWhole) {
    const std::vector<std::vector<SimReading>> memories{{}, VariedMemory(30, 2)};
    WriteFileBytes(dir.file("readings.txt"), ReadingsFile(memories));
    SimulatedRecorder recorder({"--readings", dir.file("readings.txt"), "--baud", "9600"});
    ASSERT_EQ(Download(2, recorder), DownloadOutcome::Completed);
    EXPECT_EQ(ReadingTexts(saved.at(0)), ExpectedTexts(memories[1]));
}

TEST_F(LinkIntegrationTest, UploadDeliversTheExactPlanBytes) {
    SimulatedRecorder recorder({"--baud", "4800", "--plan-out", dir.file("plan.bin")});
    const MeasurementPlan plan = MeasurementPlan::Ambulatory(
        {.patientName = "Zhang San", .patientId = "P-0042", .specialStart = 5, .specialEnd = 9},
        RecorderKind::VeloraAmbulatory, std::time(nullptr));
    UploadTold told;
    UploadSession session(
        channel, [&] { return std::vector<std::string>{recorder.port()}; }, told, clock.timing());

    ASSERT_EQ(session.run(plan), UploadOutcome::Done);
    EXPECT_EQ(recorder.nextEvent(), "upload 55 received 71 of 71 bytes acknowledged 71");
    EXPECT_EQ(recorder.nextEvent(), "plan written " + dir.file("plan.bin"));
    EXPECT_EQ(ReadFileBytes(dir.file("plan.bin")),
              std::string(plan.bytes().begin(), plan.bytes().end()));
}

TEST_F(LinkIntegrationTest, ASilentRecorderLeadsToTheNoDevicePath) {
    SimulatedRecorder recorder({"--silent"});
    EXPECT_EQ(Download(4, recorder), DownloadOutcome::NoDevice);
    // The missing candidate is named; the silent recorder is no fault.
    EXPECT_EQ(told.messages, std::vector<std::string>{"no device, 1 fault(s)"});

    UploadTold upload;
    UploadSession session(
        channel, [&] { return std::vector<std::string>{recorder.port()}; }, upload, clock.timing());
    EXPECT_EQ(session.run(MeasurementPlan::Ambulatory({}, RecorderKind::ZemAbpm, 0)),
              UploadOutcome::NoDevice);
    EXPECT_EQ(upload.questions, 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

} // namespace
