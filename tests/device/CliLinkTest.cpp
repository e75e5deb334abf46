// abpm-cli download and upload against tools/recorder-sim.
#include <gtest/gtest.h>

#include <filesystem>

#include "CIniDocument.h"
#include "ChildProcess.h"
#include "SimulatedRecorder.h"
#include "TempDir.h"

namespace {

class CliLinkTest : public ::testing::Test {
  protected:
    // Runs abpm-cli with the arguments; standard input is not a terminal, so no question is
    // asked.
    int Cli(std::vector<std::string> args) {
        args.insert(args.begin(), ABPM_CLI);
        ChildProcess cli(args);
        const int status = cli.wait(60000);
        out = cli.out();
        err = cli.err();
        return status;
    }
    std::vector<std::string> RecordFiles() {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            if (e.path().extension() == ".awp") names.push_back(e.path().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    std::string out, err;
};

TEST_F(CliLinkTest, DownloadOfAllMemoriesWritesEveryReadingAndPrintsThePaths) {
    const std::vector<std::vector<SimReading>> memories{
        VariedMemory(255, 3), {}, VariedMemory(17, 9)};
    WriteFileBytes(dir.file("readings.txt"), ReadingsFile(memories));
    SimulatedRecorder recorder({"--readings", dir.file("readings.txt"), "--baud", "0"});

    ASSERT_EQ(Cli({"download", "--port", recorder.port(), "--user", "all", "--out", dir.path(),
                   "--trace", dir.file("trace.txt")}),
              0)
        << err;
    const std::vector<std::string> files = RecordFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_NE(out.find("File was saved : \"" + files[0] + "\"\n"), std::string::npos) << out;
    EXPECT_NE(out.find("user 2 has no blood-pressure data\n"), std::string::npos);
    EXPECT_NE(out.find("File was saved : \"" + files[1] + "\"\n"), std::string::npos);
    for (std::size_t f = 0; f < 2; ++f) {
        const std::vector<SimReading>& sent = memories[f * 2];
        CIniDocument doc(files[f]);
        ASSERT_EQ(doc.GetInt("TEST 1", "Count", 0), static_cast<int>(sent.size()));
        for (std::size_t i = 0; i < sent.size(); ++i)
            EXPECT_EQ(doc.GetString("TEST 1", std::to_string(i + 1), ""), sent[i].expectedText());
    }
    // The trace holds the command, its echo and every received byte.
    const std::string trace = ReadFileBytes(dir.file("trace.txt"));
    EXPECT_NE(trace.find(" tx 14\n"), std::string::npos);
    std::size_t received = 0;
    for (std::size_t p = trace.find(" rx "); p != std::string::npos; p = trace.find(" rx ", p + 1))
        if (trace.compare(p, 6, " rx - ") != 0) ++received;
    EXPECT_EQ(received, 3271u); // every byte was read on its own
}

TEST_F(CliLinkTest, AnEmptyMemoryEndsWithStatusFour) {
    SimulatedRecorder recorder({"--generate", "5,0,0", "--baud", "0"});
    EXPECT_EQ(Cli({"download", "--port", recorder.port(), "--user", "2", "--out", dir.path()}), 4);
    EXPECT_NE(err.find("no blood-pressure data received"), std::string::npos);
    EXPECT_TRUE(RecordFiles().empty());
}

TEST_F(CliLinkTest, ASilentRecorderEndsWithStatusThreeAfterTheRetries) {
    SimulatedRecorder recorder({"--silent"});
    EXPECT_EQ(Cli({"download", "--port", recorder.port(), "--retries", "1", "--out", dir.path()}),
              3);
    EXPECT_NE(err.find("retrying"), std::string::npos);
    EXPECT_NE(err.find("no recorder answered on " + recorder.port()), std::string::npos);
    // Two rounds of one probe each.
    recorder.process().wait(0);
    EXPECT_TRUE(RecordFiles().empty());
}

TEST_F(CliLinkTest, AMissingOutputFolderIsBadInputAndNothingIsAsked) {
    SimulatedRecorder recorder({"--generate", "2,0,0", "--baud", "0"});
    EXPECT_EQ(Cli({"download", "--port", recorder.port(), "--out", dir.file("missing")}), 2);
    EXPECT_NE(err.find("no such folder"), std::string::npos);
    EXPECT_EQ(recorder.nextEvent(300), "");
}

// Memories of 3 readings each: the stream is the echo at 0, then per memory the user byte,
// the count and 36 record bytes, so memory 2 begins at 39 and memory 3 at 77; 115 bytes.
TEST_F(CliLinkTest, EveryLostByteOnTheLineEndsWithItsOwnStatus) {
    struct Row {
        const char* option; // --drop or --cut
        const char* position;
        int status;
        std::size_t files;
        int sent;         // what the simulator counted as sent
        const char* says; // in what abpm-cli printed
    };
    const std::vector<Row> rows{
        // The user byte 11 arrives where the echo of 14 should.
        {"--drop", "0", 3, 0, 114, "did not echo the command (it sent 0x11)"},
        // Memory 2's count is read as its user byte.
        {"--drop", "39", 7, 1, 114, "unknown user byte 0x03 where user 2's memory"},
        // Inside memory 2: its readings 2 and 3 are read a byte late, memory 3's header too.
        {"--drop", "50", 7, 2, 114, "2 reading(s) were read out of step"},
        // The very last byte: the last reading waits for it in vain.
        {"--drop", "114", 6, 3, 114, "user 3, 2 of 3 readings received whole"},
        {"--cut", "77", 6, 2, 77, "not downloaded: user 3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.option) + " " + row.position);
        TempDir folder;
        SimulatedRecorder recorder(
            {"--generate", "3,3,3", "--baud", "0", row.option, row.position});
        EXPECT_EQ(
            Cli({"download", "--port", recorder.port(), "--user", "all", "--out", folder.path()}),
            row.status)
            << out << err;
        EXPECT_NE((out + err).find(row.says), std::string::npos) << out << err;
        EXPECT_EQ(recorder.nextEvent(),
                  "download 14 memories 3 sent " + std::to_string(row.sent) + " bytes");
        std::size_t files = 0;
        for (const auto& e : std::filesystem::directory_iterator(folder.path()))
            files += e.path().extension() == ".awp";
        EXPECT_EQ(files, row.files);
    }
}

TEST_F(CliLinkTest, AMissingPortIsNamedAsSuch) {
    EXPECT_EQ(Cli({"download", "--port", dir.file("ttyNONE"), "--out", dir.path()}), 3);
    EXPECT_NE(err.find("no such port: " + dir.file("ttyNONE")), std::string::npos) << err;
    EXPECT_EQ(err.find("no recorder answered"), std::string::npos) << err;
}

TEST_F(CliLinkTest, UploadOfAnAmbulatoryPlanSendsTheChosenValues) {
    SimulatedRecorder recorder({"--baud", "4800", "--plan-out", dir.file("plan.bin")});
    ASSERT_EQ(Cli({"upload",
                   "--port",
                   recorder.port(),
                   "--kind",
                   "0",
                   "--name",
                   "Li Si",
                   "--id",
                   "ID7",
                   "--awake",
                   "06:30",
                   "--asleep",
                   "23:00",
                   "--awake-interval",
                   "15",
                   "--asleep-interval",
                   "none",
                   "--special-start",
                   "12:00",
                   "--special-end",
                   "13:30",
                   "--special-interval",
                   "10",
                   "--display",
                   "off"}),
              0)
        << err;
    EXPECT_EQ(recorder.nextEvent(), "upload AA received 70 of 70 bytes acknowledged 70");
    const std::string plan = ReadFileBytes(dir.file("plan.bin"));
    ASSERT_EQ(plan.size(), 70u);
    EXPECT_EQ(plan.substr(0, 6), std::string("Li Si\0", 6));
    EXPECT_EQ(plan.substr(30, 4), std::string("ID7\0", 4));
    const std::string expected{1, 0x18, '\xFF', 1, 6, 30, 15, 23, 0, '\xFF', 12, 0, 10, 13, 30, 0};
    EXPECT_EQ(plan.substr(53, 16), expected);
}

TEST_F(CliLinkTest, UploadOfAMonitoringPlanSetsTheClock) {
    SimulatedRecorder recorder({"--baud", "4800", "--plan-out", dir.file("plan.bin")});
    ASSERT_EQ(Cli({"upload", "--port", recorder.port(), "--kind", "2", "--name", "Wu", "--id", "9",
                   "--clock", "2024-02-29 07:08:09"}),
              0)
        << err;
    const std::string plan = ReadFileBytes(dir.file("plan.bin"));
    ASSERT_EQ(plan.size(), 71u);
    EXPECT_EQ(plan.substr(41, 7), (std::string{0x07, '\xE8', 2, 29, 7, 8, 9}));
    EXPECT_EQ(plan[70], 0x52);
}

TEST_F(CliLinkTest, ALateAcknowledgementStillCompletesTheUpload) {
    SimulatedRecorder recorder({"--baud", "0", "--late-ack", "3:400"});
    EXPECT_EQ(Cli({"upload", "--port", recorder.port(), "--kind", "1", "--name", "A", "--id", "1"}),
              0)
        << err;
    EXPECT_EQ(recorder.nextEvent(), "upload 55 received 71 of 71 bytes acknowledged 71");
}

TEST_F(CliLinkTest, BadPlanOptionsAreRefusedBeforeAnythingIsSent) {
    SimulatedRecorder recorder({"--baud", "0"});
    EXPECT_EQ(Cli({"upload", "--port", recorder.port(), "--kind", "1", "--name", "A", "--id", "1",
                   "--awake", "07:15"}),
              2);
    EXPECT_NE(err.find("--awake"), std::string::npos);
    EXPECT_EQ(Cli({"upload", "--port", recorder.port(), "--kind", "1", "--name", "", "--id", "1"}),
              2);
    EXPECT_EQ(Cli({"upload", "--port", recorder.port(), "--kind", "0", "--name",
                   std::string(30, 'x'), "--id", "1"}),
              2);
    EXPECT_EQ(Cli({"upload", "--port", recorder.port(), "--kind", "2", "--name", "A", "--id", "1"}),
              2);
    EXPECT_EQ(Cli({"download", "--port", recorder.port(), "--user", "5"}), 2);
    EXPECT_EQ(recorder.nextEvent(300), "");
}

} // namespace
