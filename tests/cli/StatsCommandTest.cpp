// abpm-cli stats: its options, exit statuses and every JSON member, each member checked once
// on a hand-worked fixture. The rules behind the figures are tested with the analysis.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRun.h"
#include "TempDir.h"

namespace {

const std::string kFixture = std::string(ABPM_CLI_TEST_DATA) + "/eight-readings.awp";
const char* const kConfigX = "[Previous Config]\r\nCurrent Config=Config x\r\n[Config x]\r\n";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

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
// The configuration used here sets the thresholds 140/88 awake and 120/78 asleep. Every
// quantity and set is checked by a figure that no other member shares.
TEST(StatsCommand, EveryMemberOfTheFixture) {
    TempDir dir;
    const std::string config = dir.file("OblCofig.ini");
    WriteFileBytes(config, "[Previous Config]\r\nCurrent Config=Config ward\r\n"
                           "[Config ward]\r\nAwake Sys Thresh=140\r\nAsleep Sys Thresh=120\r\n"
                           "Awake Dia Thresh=88\r\nAsleep Dia Thresh=78\r\n");
    const CliRun run = RunStats({Q(kFixture), "--config", Q(config)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    const QJsonObject json = run.json();
    // clang-format off
    ExpectMembers(json, {
        {"totalCount", 8}, {"includedCount", 6}, {"awakeCount", 4}, {"asleepCount", 2},
        {"thresholds", QJsonObject{{"awakeSys", 140}, {"asleepSys", 120}, {"awakeDia", 88},
                                   {"asleepDia", 78}}},
        {"awakeStartMinute", 420}, {"asleepStartMinute", 1320}});
    // Awake systolic over 140: both 150s, diastolic over 88: 95, 90, 92. Asleep (readings 4
    // and 7) over 120: 125, 121; over 78: 82 only (78 sits on the threshold).
    ExpectMembers(json, {
        {"awake/count", 4}, {"awake/sysOver", 2}, {"awake/diaOver", 3},
        {"awake/loadSysPercent", 50.0}, {"awake/loadDiaPercent", 75.0},
        {"asleep/count", 2}, {"asleep/sysOver", 2}, {"asleep/diaOver", 1},
        {"asleep/loadSysPercent", 100.0}, {"asleep/loadDiaPercent", 50.0},
        {"included/count", 6}, {"included/sysOver", 4}, {"included/diaOver", 4},
        {"included/loadSysPercent", 400.0 / 6}, {"included/loadDiaPercent", 400.0 / 6}});
    // Awake set order 1, 2, 3, 8; the tied 150 goes to the later reading (index 3). Included
    // set order 1, 2, 3, 4, 7, 8; the mean is a float.
    ExpectMembers(json, {
        {"awake/systolic/max", 150}, {"awake/systolic/maxIndex", 3},
        {"awake/systolic/min", 130}, {"awake/systolic/minIndex", 1},
        {"awake/systolic/mean", 570 / 4.0},
        {"awake/diastolic/max", 95}, {"awake/diastolic/mean", 362 / 4.0},
        {"awake/heartRate/max", 75}, {"awake/heartRate/minIndex", 2},
        {"awake/meanPressure/max", 113}, {"awake/meanPressure/mean", 431 / 4.0},
        {"awake/pulsePressure/max", 58}, {"awake/pulsePressure/mean", 208 / 4.0},
        {"asleep/diastolic/min", 78},
        {"included/heartRate/mean", double(409 / 6.0f)}});
    // The first bins with a share, in per mille: awake systolic 130..150 lie in 6 bins from
    // 125, a quarter each for 130 and 140, two for 150; of the included set of 6, one
    // reading is 166 per mille, three are 500.
    ExpectMembers(json, {
        {"histograms/awakeSystolic/0", QJsonArray{125, 250}},
        {"histograms/awakeDiastolic/0", QJsonArray{80, 250}},
        {"histograms/asleepSystolic/1", QJsonArray{120, 1000}},
        {"histograms/asleepDiastolic/1", QJsonArray{75, 500}},
        {"histograms/heartRate/0", QJsonArray{55, 166}},
        {"histograms/meanPressure/1", QJsonArray{90, 166}},
        {"histograms/pulsePressure/1", QJsonArray{40, 500}}});
    // Included: the tie at 150 keeps the earlier reading (20:00). Means 816 / 6 = 136,
    // 522 / 6 = 87; squared deviations around them 790 and 208. Awake: mean 142.5
    // truncated. Asleep heart rates 64 and 60, each 2 from the mean.
    ExpectMembers(json.value("readingSetStats").toObject(), {
        {"included/systolic/max", 150}, {"included/systolic/maxTime", "20:00"},
        {"included/systolic/min", 121}, {"included/systolic/minTime", "06:59"},
        {"included/systolic/mean", 136}, {"included/systolic/sd", std::sqrt(790.0 / 6)},
        {"included/diastolic/sd", std::sqrt(208.0 / 6)}, {"included/heartRate/maxTime", "07:00"},
        {"awake/systolic/mean", 142}, {"asleep/heartRate/sd", 2.0}});
    // n = 6, Σx = 816, Σy = 522, Σxy = 71388, Σx² = 111766, Σy² = 45622.
    // n·Σxy − Σx·Σy = 2376, n·Σx² − (Σx)² = 4740, n·Σy² − (Σy)² = 1248.
    // b1 = 0.50127, a1 = (522 − b1·816) / 6 = 18.83; b2 = 1.90385, a2 = (816 − b2·522) / 6
    // = −29.63; r = 2376 / sqrt(4740 · 1248) = 0.976900. The lines cross at the mean point
    // (136, 87), where the truncation of a rounding error decides, so it is not checked.
    ExpectMembers(json, {
        {"regression/correlationText", QString::fromUtf8("相关系数: r = 0.976900  r*r = 0.954333")},
        {"regression/yOnXText", "  y = f(x): y = 0.50x+18.83"},
        {"regression/xOnYText", "  x = f(y): x = 1.90y-29.63"}});
    // 7 of 8 readings successful; 4 day and 2 night readings are too few. Night 123 >= 120
    // and day 142.5 >= 135: no isolated nocturnal hypertension. Waking at 07:00 (reading 8,
    // 150): pre-waking reading 7 (121); trough 121 with 125. Night systolic 125, 121: SD
    // sqrt(8); diastolic steps 10, 5, 8, 4, 14; the AASI takes the regression sums above.
    ExpectMembers(json.value("clinical").toObject(), {
        {"guideline", "ESH2023"}, {"totalCount", 8}, {"failedCount", 1}, {"successPercent", 87.5},
        {"valid", false}, {"means/day/count", 4}, {"means/day/diastolic", 90.5},
        {"means/day/heartRate", 71.25}, {"thresholds/night", QJsonArray{120, 70}},
        {"hypertension/night", true}, {"hypertension/isolatedNocturnal", false},
        {"dipping/systolicRatio", 123 / 142.5}, {"dipping/class", "dipper"},
        {"morningSurge/sleepTrough", 27.0}, {"morningSurge/prewaking", 29.0},
        {"variability/systolic/sdNight", std::sqrt(8.0)}, {"variability/diastolic/arv", 8.2},
        {"aasi", 1 - 2376.0 / 4740}});
    // clang-format on
}

// The record and the configuration are only read: nothing written, no temporary file left.
TEST(StatsCommand, ConfigurationGivesThresholdsAndGuidelineUnlessItCannotAndIsOnlyRead) {
    struct Case {
        const char* config; // nullptr: no --config; "": a file that does not exist
        QStringList extra;
        const char* guideline;
        bool defaultsSaid; // on standard error
    };
    // Awake systolic 80 is below its diastolic 90 and an asleep diastolic of 30 out of range:
    // the thresholds page would refuse both, so the defaults apply.
    const Case cases[] = {
        {nullptr, {"--compact"}, "ESH2023", false},
        {"", {}, "ESH2023", false},
        {"Awake Sys Thresh=80\r\n", {}, "ESH2023", true},
        {"Asleep Dia Thresh=30\r\n", {}, "ESH2023", true},
        {"Guideline=ACCAHA2017\r\n", {}, "ACCAHA2017", false},
        {"Guideline=ACCAHA2017\r\n", {"--guideline=esh2023"}, "ESH2023", false},
        {"Guideline=ESH2023\r\n", {"--guideline", "accaha2017"}, "ACCAHA2017", false},
    };
    const std::string bytes = ReadFileBytes(kFixture);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.config ? c.config : "none") + c.extra.join(' ').toStdString());
        TempDir dir;
        const std::string record = dir.file("r.awp");
        const std::string config = dir.file("OblCofig.ini");
        WriteFileBytes(record, bytes);
        const auto written = std::filesystem::last_write_time(record);
        QStringList args{Q(record)};
        if (c.config) args << "--config" << Q(config);
        const bool hasConfig = c.config && *c.config;
        if (hasConfig) WriteFileBytes(config, std::string(kConfigX) + c.config);
        const CliRun run = RunStats(args + c.extra);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.err.contains("default thresholds"), c.defaultsSaid) << run.err.toStdString();
        EXPECT_EQ(run.out.count('\n') == 1, c.extra.contains("--compact"));
        ExpectMembers(run.json(), {{"thresholds", QJsonObject{{"awakeSys", 140},
                                                              {"asleepSys", 120},
                                                              {"awakeDia", 90},
                                                              {"asleepDia", 80}}},
                                   {"clinical/guideline", c.guideline}});
        EXPECT_EQ(ReadFileBytes(record), bytes);
        EXPECT_EQ(std::filesystem::last_write_time(record), written);
        if (hasConfig) {
            EXPECT_EQ(ReadFileBytes(config), std::string(kConfigX) + c.config);
        }
        const auto files = std::distance(std::filesystem::directory_iterator(dir.path()),
                                         std::filesystem::directory_iterator());
        EXPECT_EQ(files, hasConfig ? 2 : 1); // a missing configuration is not created
    }
}

TEST(StatsCommand, RefusedInputIsOneLineOnStandardErrorAndStatusTwo) {
    TempDir dir;
    const std::string missing = dir.file("none.awp");
    const std::string notes = dir.file("notes.awp");
    WriteFileBytes(notes, "shopping list\r\n");
    const QString fixture = Q(kFixture);
    const std::pair<QStringList, const char*> cases[] = {
        {{Q(missing)}, "none.awp: no such file"},
        {{Q(notes)}, "not a patient record"},
        {{Q(dir.path())}, "not a patient record"},
        {{}, "usage"},
        {{fixture, "--verbose"}, "unknown option --verbose"},
        {{fixture, "--config"}, "--config"},
        {{fixture, "--guideline", "who1999"}, "--guideline"},
        {{fixture, fixture}, "one record"},
    };
    for (const auto& [args, message] : cases)
        ExpectRefused(RunStats(args), message);
    EXPECT_FALSE(FileExists(missing));
    EXPECT_EQ(ReadFileBytes(notes), "shopping list\r\n");
}

TEST(StatsCommand, EmptyTestHasNoExtremesNoBinsAndNoCorrelation) {
    const QJsonObject json =
        StatsOfRecord("[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=0\r\n");
    ExpectMembers(json, {{"totalCount", 0},
                         {"awake/systolic/max", QJsonValue::Null},
                         {"awake/systolic/minIndex", QJsonValue::Null},
                         {"regression/correlationText", QJsonValue::Undefined},
                         {"regression/centreText", QString::fromUtf8("分布中心:")}});
    for (const QJsonValue& histogram : json["histograms"].toObject())
        EXPECT_TRUE(histogram.toArray().isEmpty());
}

TEST(StatsCommand, ReadingsBeyond1024AreLeftOutAndSaidSoOnStandardError) {
    std::string text = "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=1030\r\n";
    for (int n = 1; n <= 1030; ++n)
        text += std::to_string(n) + "=00007D50485F0000000000000\r\n";
    QByteArray err;
    EXPECT_EQ(StatsOfRecord(text, &err)["totalCount"].toInt(), 1024);
    EXPECT_EQ(err.count('\n'), 1);
    EXPECT_TRUE(err.contains("1030")) << err.toStdString();
}
