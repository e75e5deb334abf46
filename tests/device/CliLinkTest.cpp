// abpm-cli download and upload against tools/recorder-sim: the command's own exit statuses,
// messages and options.
#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>

#include "MeasurementPlan.h"
#include "SimulatedRecorder.h"
#include "TempDir.h"

namespace {

class CliLinkTest : public ::testing::Test {
  protected:
    // Runs abpm-cli with the words and then the extra arguments; its standard input is no
    // terminal, so no question is asked.
    int Cli(const std::string& words, const std::vector<std::string>& extra = {}) {
        QProcess cli;
        cli.start(ABPM_CLI, Arguments(Words(words)) << Arguments(extra));
        if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit) return -1;
        out = cli.readAllStandardOutput().toStdString();
        err = cli.readAllStandardError().toStdString();
        return cli.exitCode();
    }
    // The record files in folder; abpm-cli must have named each.
    std::size_t SavedFiles(const std::string& folder) {
        std::size_t files = 0;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            if (e.path().extension() == ".awp") {
                ++files;
                EXPECT_NE(out.find("File was saved : \"" + e.path().string() + "\""),
                          std::string::npos)
                    << out;
            }
        return files;
    }

    TempDir dir;
    std::string out, err;
};

TEST_F(CliLinkTest, DownloadOfAllMemoriesPrintsEachSavedPathAndTracesEveryByte) {
    SimulatedRecorder recorder({"--generate", "3,0,2", "--baud", "0"});
    ASSERT_EQ(Cli("download --user all --port " + recorder.port() + " --out " + dir.path() +
                  " --trace " + dir.file("trace.txt")),
              0)
        << err;
    EXPECT_EQ(SavedFiles(dir.path()), 2u);
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
        const char* sim;  // options of the simulated recorder
        const char* args; // after "download"; PORT and DIR stand for the terminal and a folder
        int status;
        const char* says; // in what abpm-cli printed
        std::size_t files;
        int sent; // bytes the simulator sent for the command; -1: no download asked
    };
    const char* const all = "--port PORT --out DIR --user all";
    const std::vector<Row> rows{
        // The user byte 11 arrives where the echo of 14 should.
        {"--drop 0", all, 3, "did not echo the command (it sent 0x11)", 0, 114},
        // Memory 2's count is read as its user byte.
        {"--drop 39", all, 7, "unknown user byte 0x03 where user 2's memory", 1, 114},
        // Inside memory 2: its readings 2 and 3 are read a byte late, memory 3's header too.
        {"--drop 50", all, 7, "2 reading(s) were read out of step", 2, 114},
        // The very last byte: the last reading waits for it in vain.
        {"--drop 114", all, 6, "user 3, 2 of 3 readings received whole", 3, 114},
        {"--cut 77", all, 6, "not downloaded: user 3", 2, 77},
        // Memory 2 of "--generate 3,0,3": echo, user byte and a count of 0.
        {"--generate 3,0,3", "--port PORT --out DIR --user 2", 4, "no blood-pressure data received",
         0, 3},
        {"--silent", "--port PORT --out DIR --retries 1", 3,
         "no recorder answered on PORT, retrying", 0, -1},
        {"--silent", "--port DIR/ttyNONE --out DIR", 3, "no such port: DIR/ttyNONE", 0, -1},
        // Nothing is sent when the folder is missing.
        {"", "--port PORT --out DIR/missing", 2, "no such folder", 0, -1},
    };
    for (const Row& row : rows) {
        TempDir folder;
        SimulatedRecorder recorder(Words(std::string("--generate 3,3,3 --baud 0 ") + row.sim));
        const auto fill = [&](std::string text) {
            for (auto at = text.find("PORT"); at != std::string::npos; at = text.find("PORT"))
                text.replace(at, 4, recorder.port());
            for (auto at = text.find("DIR"); at != std::string::npos; at = text.find("DIR"))
                text.replace(at, 3, folder.path());
            return text;
        };
        SCOPED_TRACE(row.args + std::string(" / ") + row.sim);
        EXPECT_EQ(Cli("download " + fill(row.args)), row.status) << out << err;
        EXPECT_NE((out + err).find(fill(row.says)), std::string::npos) << out << err;
        const std::string command = row.status == 4 ? "12 memories 1" : "14 memories 3";
        EXPECT_EQ(recorder.nextEvent(row.sent < 0 ? 300 : 20000),
                  row.sent < 0
                      ? ""
                      : "download " + command + " sent " + std::to_string(row.sent) + " bytes");
        EXPECT_EQ(SavedFiles(folder.path()), row.files);
    }
}

TEST_F(CliLinkTest, UploadOfAnAmbulatoryPlanSendsTheChosenValues) {
    SimulatedRecorder recorder({"--baud", "4800", "--plan-out", dir.file("plan.bin")});
    ASSERT_EQ(Cli("upload --port " + recorder.port() +
                      " --kind 0 --id ID7 --awake 06:30 --asleep 23:00 --awake-interval 15 "
                      "--asleep-interval none --special-start 12:00 --special-end 13:30 "
                      "--special-interval 10 --display off",
                  {"--name", "Li Si"}),
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

TEST_F(CliLinkTest, UploadOfAMonitoringPlanSetsTheClockEvenWithALateAcknowledgement) {
    SimulatedRecorder recorder(
        {"--baud", "0", "--late-ack", "3:400", "--plan-out", dir.file("plan.bin")});
    ASSERT_EQ(Cli("upload --kind 2 --name Wu --id 9 --port " + recorder.port(),
                  {"--clock", "2024-02-29 07:08:09"}),
              0)
        << err;
    EXPECT_EQ(recorder.nextEvent(), "upload 55 received 71 of 71 bytes acknowledged 71");
    const std::string plan = ReadFileBytes(dir.file("plan.bin"));
    ASSERT_EQ(plan.size(), 71u);
    EXPECT_EQ(plan.substr(41, 7), (std::string{0x07, '\xE8', 2, 29, 7, 8, 9}));
    // The whole plan arrives as sent, the late byte once.
    const MeasurementPlan sent = MeasurementPlan::Monitoring("Wu", "9", {2024, 2, 29, 7, 8, 9});
    EXPECT_EQ(plan, std::string(sent.bytes().begin(), sent.bytes().end()));
}

TEST_F(CliLinkTest, BadOptionsAreRefusedBeforeAnythingIsSent) {
    SimulatedRecorder recorder({"--baud", "0"});
    const std::string port = " --port " + recorder.port();
    EXPECT_EQ(Cli("upload --kind 1 --name A --id 1 --awake 07:15" + port), 2);
    EXPECT_EQ(Cli("upload --kind 1 --id 1" + port, {"--name", ""}), 2);
    EXPECT_EQ(Cli("upload --kind 0 --id 1 --name " + std::string(30, 'x') + port), 2);
    EXPECT_EQ(Cli("upload --kind 2 --name A --id 1" + port), 2);
    EXPECT_NE(err.find("--clock"), std::string::npos) << err;
    EXPECT_EQ(Cli("download --user 5" + port), 2);
    EXPECT_EQ(recorder.nextEvent(300), "");
}

} // namespace
