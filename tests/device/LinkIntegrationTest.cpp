// The real serial channel against tools/recorder-sim on a pseudo-terminal.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "CIniDocument.h"
#include "DownloadSession.h"
#include "SerialChannel.h"
#include "SimulatedRecorder.h"
#include "TempDir.h"
#include "UploadSession.h"

namespace {

struct QuietDownload : DownloadObserver {
    int questions = 0;
    std::vector<std::string> messages;
    void progress(int, int) override {}
    bool retryAfterNoDevice(const std::vector<PortFault>&) override {
        ++questions;
        return false;
    }
    void noData() override { messages.push_back("no data"); }
    void userHasNoData(int user) override { messages.push_back("empty " + std::to_string(user)); }
    void unknownUserByte(int, std::uint8_t) override { messages.push_back("unknown"); }
    void fileSaved(const SavedMemory& m) override {
        messages.push_back("saved " + std::to_string(m.damaged + m.incomplete));
    }
    void nothingIntact(int, int) override { messages.push_back("nothing"); }
    std::string folderAfterFailedSave(const std::string&, int) override { return {}; }
    bool discardUnsaved(int, int) override { return true; }
    void linkLost(const LinkLoss&) override { messages.push_back("lost"); }
    void outOfStep() override { messages.push_back("out of step"); }
};

struct QuietUpload : UploadObserver {
    int questions = 0;
    void progress(int, int) override {}
    bool retryAfterNoDevice(const std::vector<PortFault>&) override {
        ++questions;
        return false;
    }
};

// The readings of a record file against what the simulator was given.
void ExpectReadings(const std::string& path, const std::vector<SimReading>& sent) {
    CIniDocument doc(path);
    ASSERT_EQ(doc.GetInt("TEST 1", "Count", -1), static_cast<int>(sent.size()));
    for (std::size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ(doc.GetString("TEST 1", std::to_string(i + 1), "missing"), sent[i].expectedText())
            << "reading " << i + 1;
}

class LinkIntegrationTest : public ::testing::Test {
  protected:
    DeviceTiming timing{[] { return std::time(nullptr); }, [](int) {}};
    TempDir dir;
    SerialChannel channel;
};

TEST_F(LinkIntegrationTest, DownloadsThreeMemoriesLineByLine) {
    const std::vector<std::vector<SimReading>> memories{
        VariedMemory(255, 0), {}, VariedMemory(17, 5)};
    WriteFileBytes(dir.file("readings.txt"), ReadingsFile(memories));
    SimulatedRecorder recorder({"--readings", dir.file("readings.txt"), "--baud", "0"});
    QuietDownload observer;
    // A missing port first: probing goes on to the recorder.
    DownloadSession session(
        channel,
        [&] {
            return std::vector<std::string>{"/dev/no-such-port", recorder.port()};
        },
        observer, timing);

    ASSERT_EQ(session.run(4, dir.path()), DownloadOutcome::Completed);
    EXPECT_EQ(observer.messages, (std::vector<std::string>{"saved 0", "empty 2", "saved 0"}));
    ASSERT_EQ(session.savedFiles().size(), 2u);
    ExpectReadings(session.savedFiles()[0], memories[0]);
    ExpectReadings(session.savedFiles()[1], memories[2]);
    // 1 echo + 3 headers of 2 + 272 records of 12
    EXPECT_EQ(recorder.nextEvent(), "download 14 memories 3 sent 3271 bytes");
    EXPECT_FALSE(channel.isOpen());
}

TEST_F(LinkIntegrationTest, APacedDownloadArrivesWhole) {
    const std::vector<std::vector<SimReading>> memories{{}, VariedMemory(30, 2)};
    WriteFileBytes(dir.file("readings.txt"), ReadingsFile(memories));
    SimulatedRecorder recorder({"--readings", dir.file("readings.txt"), "--baud", "9600"});
    QuietDownload observer;
    DownloadSession session(
        channel, [&] { return std::vector<std::string>{recorder.port()}; }, observer, timing);
    ASSERT_EQ(session.run(2, dir.path()), DownloadOutcome::Completed);
    ExpectReadings(session.savedFiles().at(0), memories[1]);
}

TEST_F(LinkIntegrationTest, UploadDeliversTheExactPlanBytes) {
    SimulatedRecorder recorder({"--baud", "4800", "--plan-out", dir.file("plan.bin")});
    PlanChoices choices;
    choices.patientName = "Zhang San";
    choices.patientId = "P-0042";
    choices.specialStart = 5;
    choices.specialEnd = 9;
    const MeasurementPlan plan =
        MeasurementPlan::Ambulatory(choices, RecorderKind::VeloraAmbulatory, std::time(nullptr));
    QuietUpload observer;
    UploadSession session(
        channel, [&] { return std::vector<std::string>{recorder.port()}; }, observer, timing);

    ASSERT_EQ(session.run(plan), UploadOutcome::Done);
    EXPECT_EQ(recorder.nextEvent(), "upload 55 received 71 of 71 bytes acknowledged 71");
    EXPECT_EQ(recorder.nextEvent(), "plan written " + dir.file("plan.bin"));
    EXPECT_EQ(ReadFileBytes(dir.file("plan.bin")),
              std::string(plan.bytes().begin(), plan.bytes().end()));
}

TEST_F(LinkIntegrationTest, ASilentRecorderLeadsToTheNoDevicePath) {
    SimulatedRecorder recorder({"--silent"});
    QuietDownload download;
    DownloadSession downloadSession(
        channel, [&] { return std::vector<std::string>{recorder.port()}; }, download, timing);
    EXPECT_EQ(downloadSession.run(4, dir.path()), DownloadOutcome::NoDevice);
    EXPECT_EQ(download.questions, 1);

    QuietUpload upload;
    UploadSession uploadSession(
        channel, [&] { return std::vector<std::string>{recorder.port()}; }, upload, timing);
    PlanChoices choices;
    choices.patientName = "A";
    choices.patientId = "1";
    EXPECT_EQ(uploadSession.run(MeasurementPlan::Ambulatory(choices, RecorderKind::ZemAbpm, 0)),
              UploadOutcome::NoDevice);
    EXPECT_EQ(upload.questions, 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

} // namespace
