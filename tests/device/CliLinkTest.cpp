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
    int Cli(const std::string& words, const QStringList& extra = {}) {
        QProcess cli;
        cli.start(ABPM_CLI, Words(words) << extra);
        if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit) return -1;
        out = cli.readAllStandardOutput().toStdString();
        err = cli.readAllStandardError().toStdString();
        return cli.exitCode();
    }
    TempDir dir;
    std::string out, err;
};

// One row per exit status; the session tests hold the faults themselves. In "--generate 3,3,3"
// the stream is the echo at 0, then per memory the user byte, the count and 36 record bytes:
// memory 2 begins at 39, 115 bytes in all. Every byte received is traced on a line of its own.
TEST_F(CliLinkTest, EachDownloadOutcomeHasItsOwnStatusAndMessage) {
    struct Row {
        const char* sim;  // options of the simulated recorder
        const char* args; // after "download"; %1 stands for the terminal, %2 for a folder
        int status;
        const char* says; // in what abpm-cli printed
        std::size_t files;
        int sent; // bytes the simulator sent for the command "14" (all) or "12" (user 2)
    };
    const char* const all = "--port %1 --out %2 --user all";
    // clang-format off
    const std::vector<Row> rows{
        // 1 echo + 3 headers of 2 + 5 records of 12
        {"--generate 3,0,2", all, 0, "user 2 has no blood-pressure data", 2, 67},
        // Memory 2's count is read as its user byte.
        {"--drop 39", all, 7, "unknown user byte 0x03 where user 2's memory", 1, 114},
        // The very last byte: the last reading waits for it in vain.
        {"--drop 114", all, 6, "user 3, 2 of 3 readings received whole", 3, 114},
        {"--generate 3,0,3", "--port %1 --out %2 --user 2", 4, "no blood-pressure data received", 0, 3},
        {"--silent", "--port %2/ttyNONE --out %2 --retries 1", 3, "no such port: %2/ttyNONE, retrying", 0, 0},
        {"", "--port %1 --out %2/missing", 2, "no such folder", 0, 0},
    };
    // clang-format on
    for (const Row& row : rows) {
        TempDir folder;
        SimulatedRecorder recorder(std::string("--generate 3,3,3 --baud 0 ") + row.sim);
        const auto fill = [&](const char* text) {
            return QString(text)
                .replace("%1", recorder.port().c_str())
                .replace("%2", folder.path().c_str())
                .toStdString();
        };
        SCOPED_TRACE(row.args + std::string(" / ") + row.sim);
        const std::string trace = dir.file("trace.txt");
        const std::size_t before = ReadFileBytes(trace).size(); // the trace is appended to
        EXPECT_EQ(Cli("download --trace " + trace + " " + fill(row.args)), row.status) << err;
        EXPECT_NE((out + err).find(fill(row.says)), std::string::npos) << out << err;
        const std::string command = row.status == 4 ? "12 memories 1" : "14 memories 3";
        EXPECT_EQ(recorder.nextEvent(row.sent ? 20000 : 300),
                  row.sent ? "download " + command + " sent " + std::to_string(row.sent) + " bytes"
                           : "");
        std::size_t files = 0; // each named by abpm-cli
        for (const auto& e : std::filesystem::directory_iterator(folder.path())) {
            EXPECT_NE(out.find("File was saved : \"" + e.path().string()), std::string::npos);
            ++files;
        }
        EXPECT_EQ(files, row.files);
        const std::string traced = ReadFileBytes(trace).substr(before);
        int received = 0;
        for (auto p = traced.find(" rx "); p != std::string::npos; p = traced.find(" rx ", p + 1))
            if (traced.compare(p, 6, " rx - ") != 0) ++received;
        EXPECT_EQ(received, row.sent);
    }
}

// The options land in the plan: the ambulatory list choices at their offsets, the monitoring
// clock as given (that whole plan then equals the one built here).
TEST_F(CliLinkTest, UploadSendsThePlanOfTheOptions) {
    SimulatedRecorder zem("--baud 0 --plan-out " + dir.file("zem.bin"));
    ASSERT_EQ(Cli("upload --port " + zem.port() +
                      " --kind 0 --id ID7 --awake 06:30 --asleep 23:00 --awake-interval 15 "
                      "--asleep-interval none --special-start 12:00 --special-end 13:30 "
                      "--special-interval 10 --display off",
                  {"--name", "Li Si"}),
              0)
        << err;
    EXPECT_EQ(zem.nextEvent(), "upload AA received 70 of 70 bytes acknowledged 70");
    const std::string plan = ReadFileBytes(dir.file("zem.bin"));
    EXPECT_EQ(plan.substr(0, 6) + plan.substr(30, 4), std::string("Li Si\0ID7\0", 10));
    const std::string expected{1, 0x18, '\xFF', 1, 6, 30, 15, 23, 0, '\xFF', 12, 0, 10, 13, 30, 0};
    EXPECT_EQ(plan.substr(53, 16), expected);
    SimulatedRecorder velora("--baud 0 --plan-out " + dir.file("velora.bin"));
    ASSERT_EQ(Cli("upload --kind 2 --name Wu --id 9 --port " + velora.port(),
                  {"--clock", "2024-02-29 07:08:09"}),
              0)
        << err;
    const MeasurementPlan sent = MeasurementPlan::Monitoring("Wu", "9", {2024, 2, 29, 7, 8, 9});
    EXPECT_EQ(ReadFileBytes(dir.file("velora.bin")),
              std::string(sent.bytes().begin(), sent.bytes().end()));
}

TEST_F(CliLinkTest, BadOptionsAreRefusedBeforeAnythingIsSent) {
    SimulatedRecorder recorder("--baud 0");
    const std::string port = " --port " + recorder.port();
    EXPECT_EQ(Cli("upload --kind 1 --name A --id 1 --awake 07:15" + port), 2); // not on the list
    EXPECT_EQ(Cli("upload --kind 1 --id 1" + port, {"--name", ""}), 2);
    EXPECT_EQ(Cli("upload --kind 0 --id 1 --name " + std::string(30, 'x') + port), 2);
    EXPECT_EQ(Cli("upload --kind 2 --name A --id 1" + port), 2);
    EXPECT_NE(err.find("--clock"), std::string::npos) << err;
    EXPECT_EQ(Cli("download --user 5" + port), 2);
    EXPECT_EQ(recorder.nextEvent(300), "");
}

} // namespace
