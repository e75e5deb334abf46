// abpm-cli stats: its options, exit statuses and the shape of its JSON.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRun.h"
#include "TempDir.h"

namespace {

const std::string kFixture = std::string(ABPM_CLI_TEST_DATA) + "/eight-readings.awp";
const char* const kConfigX = "[Previous Config]\r\nCurrent Config=Config x\r\n[Config x]\r\n";

CliRun RunStats(const QStringList& args) {
    return RunCli(QStringList{"stats"} + args);
}

// The JSON of a record written from `text`, which must be accepted.
QJsonObject StatsOfRecord(const std::string& text, QByteArray* err = nullptr) {
    TempDir dir;
    WriteFileBytes(dir.file("r.awp"), text);
    const CliRun run = RunStats({Q(dir.file("r.awp"))});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    if (err) *err = run.err;
    return run.json();
}

} // namespace

// The fixture tests/cli/data/eight-readings.awp starts at 20:00 with awake 07:00 and asleep
// 22:00. Its readings (offset, clock, sys/dia, heart rate, mean pressure, pulse pressure):
//   1     0  20:00  150/95  72 113 55  awake
//   2    60  21:00  130/85  70 100 45  awake
//   3   120  22:00  140/90  68 107 50  awake (the asleep time itself is awake)
//   4   121  22:01  125/82  64  96 43  asleep
//   5   300  01:00    0/0    0   0  0  failed measurement, flag 1: counted, in no set
//   6   420  03:00  110/70  55  83 40  excluded
//   7   659  06:59  121/78  60  92 43  asleep
//   8   660  07:00  150/92  75 111 58  awake (ties reading 1's systolic)
// Thresholds 140/88 awake and 120/78 asleep. Each member group is checked by a figure that no
// other member shares; the rules behind them are tested with the analysis.
TEST(StatsCommand, EveryMemberGroupOfTheFixture) {
    TempDir dir;
    const std::string config = dir.file("OblCofig.ini");
    WriteFileBytes(config, "[Previous Config]\r\nCurrent Config=Config ward\r\n"
                           "[Config ward]\r\nAwake Sys Thresh=140\r\nAsleep Sys Thresh=120\r\n"
                           "Awake Dia Thresh=88\r\nAsleep Dia Thresh=78\r\n");
    const CliRun run = RunStats({Q(kFixture), "--config", Q(config)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    // Awake over 140/88: 150, 150 and 95, 90, 92; asleep (4, 7) over 78: 82. Awake order 1, 2,
    // 3, 8: the tied 150 goes to the later one (index 3), in the included stats to 20:00.
    // n·Σxy − Σx·Σy = 2376, n·Σx² − (Σx)² = 4740. Night 123 / day 142.5: a dipper.
    // clang-format off
    ExpectMembers(run.json(), {
        {"totalCount", 8}, {"includedCount", 6}, {"awakeCount", 4}, {"asleepCount", 2},
        {"thresholds", QJsonObject{{"awakeSys", 140}, {"asleepSys", 120}, {"awakeDia", 88},
                                   {"asleepDia", 78}}},
        {"awakeStartMinute", 420}, {"asleepStartMinute", 1320},
        {"awake/sysOver", 2}, {"awake/loadDiaPercent", 75.0}, {"asleep/diaOver", 1},
        {"included/loadSysPercent", 400.0 / 6}, {"awake/systolic/max", 150},
        {"awake/systolic/maxIndex", 3}, {"awake/pulsePressure/mean", 208 / 4.0},
        {"histograms/awakeSystolic/0", QJsonArray{125, 250}},
        {"readingSetStats/included/systolic/maxTime", "20:00"},
        {"regression/yOnXText", "  y = f(x): y = 0.50x+18.83"},
        {"clinical/guideline", "ESH2023"}, {"clinical/valid", false},
        {"clinical/dipping/class", "dipper"}, {"clinical/aasi", 1 - 2376.0 / 4740}});
    // clang-format on
}

// The record and the configuration are only read; a missing configuration is not created.
// Awake systolic 80 is below its diastolic 90: the thresholds page would refuse it, so the
// defaults apply and standard error says so.
TEST(StatsCommand, ConfigurationGivesThresholdsAndGuidelineUnlessItCannotAndIsOnlyRead) {
    const std::tuple<const char*, QStringList, const char*, bool> cases[] = {
        {nullptr, {"--compact"}, "ESH2023", false}, // nullptr: no --config
        {"", {}, "ESH2023", false},                 // "": a file that does not exist
        {"Awake Sys Thresh=80\r\n", {}, "ESH2023", true},
        {"Guideline=ACCAHA2017\r\n", {}, "ACCAHA2017", false},
        {"Guideline=ESH2023\r\n", {"--guideline", "accaha2017"}, "ACCAHA2017", false},
    };
    const QJsonObject defaults{
        {"awakeSys", 140}, {"asleepSys", 120}, {"awakeDia", 90}, {"asleepDia", 80}};
    for (const auto& [text, extra, guideline, defaultsSaid] : cases) {
        SCOPED_TRACE(std::string(text ? text : "none") + extra.join(' ').toStdString());
        TempDir dir;
        const std::string record = dir.file("r.awp"), config = dir.file("OblCofig.ini");
        WriteFileBytes(record, ReadFileBytes(kFixture));
        if (text && *text) WriteFileBytes(config, std::string(kConfigX) + text);
        const CliRun run = RunStats(QStringList{Q(record)} + extra +
                                    (text ? QStringList{"--config", Q(config)} : QStringList{}));
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.err.contains("default thresholds"), defaultsSaid) << run.err.toStdString();
        EXPECT_EQ(run.out.count('\n') == 1, extra.contains("--compact"));
        ExpectMembers(run.json(), {{"thresholds", defaults}, {"clinical/guideline", guideline}});
        EXPECT_EQ(ReadFileBytes(record), ReadFileBytes(kFixture));
        EXPECT_EQ(ReadFileBytes(config), text && *text ? std::string(kConfigX) + text : "");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}),
                  text && *text ? 2 : 1);
    }
}

TEST(StatsCommand, RefusedInputIsOneLineOnStandardErrorAndStatusTwo) {
    TempDir dir;
    const std::string notes = dir.file("notes.awp");
    WriteFileBytes(notes, "shopping list\r\n");
    const QString fixture = Q(kFixture);
    const std::pair<QStringList, const char*> cases[] = {
        {{Q(dir.file("none.awp"))}, "none.awp: no such file"},
        {{Q(notes)}, "not a patient record"},
        {{}, "usage"},
        {{fixture, "--verbose"}, "unknown option --verbose"},
        {{fixture, "--config"}, "--config"},
        {{fixture, "--guideline", "who1999"}, "--guideline"},
        {{fixture, fixture}, "one record"},
    };
    for (const auto& [args, message] : cases)
        ExpectRefused(RunStats(args), message);
    EXPECT_FALSE(FileExists(dir.file("none.awp")));
    EXPECT_EQ(ReadFileBytes(notes), "shopping list\r\n");
}

// An empty test has no extremes, bins nor correlation; readings past 1024 are left out.
TEST(StatsCommand, EmptyAndOverfullTests) {
    const std::string head = "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\n";
    const QJsonObject json = StatsOfRecord(head + "Count=0\r\n");
    ExpectMembers(json, {{"totalCount", 0},
                         {"awake/systolic/max", QJsonValue::Null},
                         {"regression/correlationText", QJsonValue::Undefined},
                         {"histograms/heartRate", QJsonArray{}}});
    std::string text = head + "Count=1030\r\n";
    for (int n = 1; n <= 1030; ++n)
        text += std::to_string(n) + "=00007D50485F0000000000000\r\n";
    QByteArray err;
    EXPECT_EQ(StatsOfRecord(text, &err)["totalCount"].toInt(), 1024);
    EXPECT_EQ(err.count('\n'), 1);
    EXPECT_TRUE(err.contains("1030")) << err.toStdString();
}
