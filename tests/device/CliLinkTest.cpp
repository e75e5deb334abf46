// abpm-cli download and upload against tools/recorder-sim: the command's own exit statuses,
// messages and options.
#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>

#include "SimulatedRecorder.h"
#include "TempDir.h"

namespace {

class CliLinkTest : public ::testing::Test {
  protected:
    // Runs abpm-cli; its standard input is no terminal, so no question is asked.
    int Cli(const std::vector<std::string>& args) {
        QProcess cli;
        cli.start(ABPM_CLI, Arguments(args));
        if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit) return -1;
        out = cli.readAllStandardOutput().toStdString();
        err = cli.readAllStandardError().toStdString();
        return cli.exitCode();
    }
    std::size_t RecordFiles(const std::string& folder) {
        std::size_t files = 0;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            files += e.path().extension() == ".awp";
        return files;
    }

    TempDir dir;
    std::string out, err;
};

TEST_F(CliLinkTest, DownloadOfAllMemoriesPrintsEachSavedPathAndTracesEveryByte) {
    SimulatedRecorder recorder({"--generate", "3,0,2", "--baud", "0"});
    ASSERT_EQ(Cli({"download", "--port", recorder.port(), "--user", "all", "--out", dir.path(),
                   "--trace", dir.file("trace.txt")}),
              0)
        << err;
    std::vector<std::string> lines;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        if (e.path().extension() == ".awp")
            lines.push_back("File was saved : \"" + e.path().string() + "\"\n");
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& line : lines)
        EXPECT_NE(out.find(line), std::string::npos) << out;
    EXPECT_NE(out.find("user 2 has no blood-pressure data\n"), std::string::npos) << out;
    // 1 echo + 3 headers of 2 + 5 records of 12, each byte read on its own.
    const std::string trace = ReadFileBytes(dir.file("trace.txt"));
    EXPECT_NE(trace.find(" tx 14\n"), std::string::npos);
    std::size_t received = 0;
    for (std::size_t p = trace.find(" rx "); p != std::string::npos; p = trace.find(" rx ", p + 1))
        if (trace.compare(p, 6, " rx - ") != 0) ++received;
    EXPECT_EQ(received, 67u);
}

// The memories of "--generate 3,3,3": the stream is the echo at 0, then per memory the user
// byte, the count and 36 record bytes, so memory 2 begins at 39 and memory 3 at 77; 115 bytes.
TEST_F(CliLinkTest, EachDownloadFaultEndsWithItsOwnStatusAndMessage) {
    struct Row {
        std::vector<std::string> sim;  // options of the simulated recorder
        std::vector<std::string> args; // after "download"; PORT and DIR are filled in
        int status;
        const char* says; // in what abpm-cli printed; PORT is filled in
        std::size_t files;
        const char* event; // of the simulator; "" for none
    };
    const std::vector<std::string> all{"--generate", "3,3,3", "--baud", "0"};
    const auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), all.begin(), all.end());
        return more;
    };
    const std::vector<std::string> port{"--port", "PORT", "--out", "DIR", "--user", "all"};
    const char* const sent114 = "download 14 memories 3 sent 114 bytes";
    const std::vector<Row> rows{
        // The user byte 11 arrives where the echo of 14 should.
        {with({"--drop", "0"}), port, 3, "did not echo the command (it sent 0x11)", 0, sent114},
        // Memory 2's count is read as its user byte.
        {with({"--drop", "39"}), port, 7, "unknown user byte 0x03 where user 2's memory", 1,
         sent114},
        // Inside memory 2: its readings 2 and 3 are read a byte late, memory 3's header too.
        {with({"--drop", "50"}), port, 7, "2 reading(s) were read out of step", 2, sent114},
        // The very last byte: the last reading waits for it in vain.
        {with({"--drop", "114"}), port, 6, "user 3, 2 of 3 readings received whole", 3, sent114},
        {with({"--cut", "77"}), port, 6, "not downloaded: user 3", 2,
         "download 14 memories 3 sent 77 bytes"},
        // Echo, user byte and a count of 0.
        {{"--generate", "5,0,0", "--baud", "0"},
         {"--port", "PORT", "--out", "DIR", "--user", "2"},
         4,
         "no blood-pressure data received",
         0,
         "download 12 memories 1 sent 3 bytes"},
        {{"--silent"},
         {"--port", "PORT", "--out", "DIR", "--retries", "1"},
         3,
         "no recorder answered on PORT, retrying",
         0,
         ""},
        {{"--silent"},
         {"--port", "DIR/ttyNONE", "--out", "DIR"},
         3,
         "no such port: DIR/ttyNONE",
         0,
         ""},
        // Nothing is sent when the folder is missing.
        {all, {"--port", "PORT", "--out", "DIR/missing"}, 2, "no such folder", 0, ""},
    };
    for (const Row& row : rows) {
        TempDir folder;
        SimulatedRecorder recorder(row.sim);
        const auto fill = [&](std::string text) {
            if (const auto at = text.find("PORT"); at != std::string::npos)
                text.replace(at, 4, recorder.port());
            if (const auto at = text.find("DIR"); at != std::string::npos)
                text.replace(at, 3, folder.path());
            return text;
        };
        std::vector<std::string> args{"download"};
        for (const std::string& a : row.args)
            args.push_back(fill(a));
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(Cli(args), row.status) << out << err;
        EXPECT_NE((out + err).find(fill(row.says)), std::string::npos) << out << err;
        EXPECT_EQ(recorder.nextEvent(*row.event ? 20000 : 300), row.event);
        EXPECT_EQ(RecordFiles(folder.path()), row.files);
    }
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
    const std::vector<std::vector<std::string>> refused{
        {"--kind", "1", "--name", "A", "--id", "1", "--awake", "07:15"},
        {"--kind", "1", "--name", "", "--id", "1"},
        {"--kind", "0", "--name", std::string(30, 'x'), "--id", "1"},
        {"--kind", "2", "--name", "A", "--id", "1"}, // no --clock
    };
    for (std::vector<std::string> args : refused) {
        args.insert(args.begin(), {"upload", "--port", recorder.port()});
        EXPECT_EQ(Cli(args), 2) << args.back();
    }
    EXPECT_NE(err.find("--clock"), std::string::npos) << err;
    EXPECT_EQ(Cli({"download", "--port", recorder.port(), "--user", "5"}), 2);
    EXPECT_EQ(recorder.nextEvent(300), "");
}

} // namespace
