// abpm-cli stats: its options, exit statuses and every JSON member, each member checked once
// on a hand-worked fixture. The rules behind the figures are tested with the analysis.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>
#include <filesystem>
#include <map>

#include "TempDir.h"

namespace {

const std::string kFixture = std::string(ABPM_CLI_TEST_DATA) + "/eight-readings.awp";
const char* const kConfigX = "[Previous Config]\r\nCurrent Config=Config x\r\n[Config x]\r\n";

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun RunStats(const QStringList& args) {
    // QProcess wants an application object; the test program has none of its own.
    static int argc = 1;
    static char name[] = "cli_stats_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QProcess process;
    process.start(ABPM_CLI, QStringList{"stats"} + args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QJsonObject ParseObject(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(doc.isObject());
    return doc.object();
}

// The JSON of a record written from `text`, which must be accepted.
QJsonObject StatsOfRecord(const std::string& text, QByteArray* err = nullptr) {
    TempDir dir;
    WriteFileBytes(dir.file("r.awp"), text);
    const CliRun run = RunStats({Q(dir.file("r.awp"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    if (err) *err = run.err;
    return ParseObject(run.out);
}

using Bins = std::vector<std::pair<int, int>>;

Bins BinsOf(const QJsonValue& value) {
    Bins bins;
    for (const QJsonValue& bin : value.toArray())
        bins.emplace_back(bin.toArray().at(0).toInt(), bin.toArray().at(1).toInt());
    return bins;
}

// `count` bins of 5 from `first`, all 0 except the ones given.
Bins FiveUnitBins(int first, int count, const std::map<int, int>& nonZero) {
    Bins bins;
    for (int i = 0; i < count; ++i) {
        const int bound = first + 5 * i;
        const auto it = nonZero.find(bound);
        bins.emplace_back(bound, it == nonZero.end() ? 0 : it->second);
    }
    return bins;
}

struct Extremes {
    int max, maxIndex, min, minIndex;
    float mean;
};

void ExpectQuantity(const QJsonObject& set, const char* name, const Extremes& e) {
    SCOPED_TRACE(name);
    const QJsonObject q = set[name].toObject();
    EXPECT_EQ(q["max"].toInt(-1), e.max);
    EXPECT_EQ(q["maxIndex"].toInt(-1), e.maxIndex);
    EXPECT_EQ(q["min"].toInt(-1), e.min);
    EXPECT_EQ(q["minIndex"].toInt(-1), e.minIndex);
    EXPECT_EQ(static_cast<float>(q["mean"].toDouble()), e.mean);
}

struct SetFigures {
    int max;
    const char* maxTime;
    int min;
    const char* minTime;
    int mean;
    double sd;
};

void ExpectSetStats(const QJsonObject& set, const char* name, const SetFigures& f) {
    SCOPED_TRACE(name);
    const QJsonObject q = set[name].toObject();
    EXPECT_EQ(q["max"].toInt(-1), f.max);
    EXPECT_EQ(q["maxTime"].toString().toStdString(), f.maxTime);
    EXPECT_EQ(q["min"].toInt(-1), f.min);
    EXPECT_EQ(q["minTime"].toString().toStdString(), f.minTime);
    EXPECT_EQ(q["mean"].toInt(-1), f.mean);
    EXPECT_DOUBLE_EQ(q["sd"].toDouble(), f.sd);
}

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
// The configuration used here sets the thresholds 140/88 awake and 120/78 asleep.
class StatsOfTheFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        TempDir dir;
        const std::string config = dir.file("OblCofig.ini");
        WriteFileBytes(config, "[Previous Config]\r\nCurrent Config=Config ward\r\n"
                               "[Config ward]\r\nAwake Sys Thresh=140\r\nAsleep Sys Thresh=120\r\n"
                               "Awake Dia Thresh=88\r\nAsleep Dia Thresh=78\r\n");
        const CliRun run = RunStats({Q(kFixture), "--config", Q(config)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        ASSERT_TRUE(run.err.isEmpty());
        s_json = new QJsonObject(ParseObject(run.out));
    }
    static void TearDownTestSuite() {
        delete s_json;
        s_json = nullptr;
    }
    const QJsonObject& json() const { return *s_json; }
    QJsonObject object(const char* name) const { return (*s_json)[name].toObject(); }

    static QJsonObject* s_json;
};

QJsonObject* StatsOfTheFixture::s_json = nullptr;

} // namespace

TEST_F(StatsOfTheFixture, CountsThresholdsAndPeriods) {
    EXPECT_EQ(json()["totalCount"].toInt(), 8);
    EXPECT_EQ(json()["includedCount"].toInt(), 6);
    EXPECT_EQ(json()["awakeCount"].toInt(), 4);
    EXPECT_EQ(json()["asleepCount"].toInt(), 2);
    EXPECT_EQ(
        object("thresholds"),
        (QJsonObject{{"awakeSys", 140}, {"asleepSys", 120}, {"awakeDia", 88}, {"asleepDia", 78}}));
    EXPECT_EQ(json()["awakeStartMinute"].toInt(), 420);
    EXPECT_EQ(json()["asleepStartMinute"].toInt(), 1320);
}

TEST_F(StatsOfTheFixture, EachSetWithItsLoadsAndExtremes) {
    // Awake systolic over 140: both 150s, diastolic over 88: 95, 90, 92. Asleep (readings 4
    // and 7) over 120: 125, 121; over 78: 82 only (78 sits on the threshold).
    struct Loads {
        const char* set;
        int count, sysOver, diaOver;
        double sysPercent, diaPercent;
    };
    for (const Loads& l :
         {Loads{"awake", 4, 2, 3, 50.0, 75.0}, Loads{"asleep", 2, 2, 1, 100.0, 50.0},
          Loads{"included", 6, 4, 4, 400.0 / 6, 400.0 / 6}}) {
        SCOPED_TRACE(l.set);
        const QJsonObject set = object(l.set);
        EXPECT_EQ(set["count"].toInt(), l.count);
        EXPECT_EQ(set["sysOver"].toInt(), l.sysOver);
        EXPECT_EQ(set["diaOver"].toInt(), l.diaOver);
        EXPECT_DOUBLE_EQ(set["loadSysPercent"].toDouble(), l.sysPercent);
        EXPECT_DOUBLE_EQ(set["loadDiaPercent"].toDouble(), l.diaPercent);
    }
    // Awake set order 1, 2, 3, 8; the tied 150 goes to the later reading (index 3).
    const QJsonObject awake = object("awake");
    ExpectQuantity(awake, "systolic", {150, 3, 130, 1, 570 / 4.0f});
    ExpectQuantity(awake, "diastolic", {95, 0, 85, 1, 362 / 4.0f});
    ExpectQuantity(awake, "heartRate", {75, 3, 68, 2, 285 / 4.0f});
    ExpectQuantity(awake, "meanPressure", {113, 0, 100, 1, 431 / 4.0f});
    ExpectQuantity(awake, "pulsePressure", {58, 3, 45, 1, 208 / 4.0f});
    ExpectQuantity(object("asleep"), "diastolic", {82, 0, 78, 1, 80.0f});
    // Included set order 1, 2, 3, 4, 7, 8.
    ExpectQuantity(object("included"), "heartRate", {75, 5, 60, 4, 409 / 6.0f});
}

TEST_F(StatsOfTheFixture, Histograms) {
    const QJsonObject h = object("histograms");
    // Awake systolic 130..150: q 26..30, 6 bins from 125; quarters per reading.
    EXPECT_EQ(BinsOf(h["awakeSystolic"]),
              FiveUnitBins(125, 6, {{125, 250}, {135, 250}, {145, 500}}));
    EXPECT_EQ(BinsOf(h["awakeDiastolic"]), FiveUnitBins(80, 4, {{80, 250}, {85, 250}, {90, 500}}));
    // Asleep systolic 121..125: q 24..25, 3 bins from 115; both lie in (120, 125].
    EXPECT_EQ(BinsOf(h["asleepSystolic"]), FiveUnitBins(115, 3, {{120, 1000}}));
    EXPECT_EQ(BinsOf(h["asleepDiastolic"]), FiveUnitBins(70, 3, {{75, 500}, {80, 500}}));
    // Included set of 6: one reading is 166 per mille, two are 333, three 500.
    EXPECT_EQ(BinsOf(h["heartRate"]),
              FiveUnitBins(55, 5, {{55, 166}, {60, 166}, {65, 333}, {70, 333}}));
    EXPECT_EQ(BinsOf(h["meanPressure"]),
              FiveUnitBins(85, 6, {{90, 166}, {95, 333}, {105, 166}, {110, 333}}));
    EXPECT_EQ(BinsOf(h["pulsePressure"]),
              FiveUnitBins(35, 5, {{40, 500}, {45, 166}, {50, 166}, {55, 166}}));
}

TEST_F(StatsOfTheFixture, ReadingSetStatsOfTheSetsWithoutTheFailedReading) {
    const QJsonObject r = object("readingSetStats");
    // Included: the tie at 150 keeps the earlier reading (20:00). Means 816 / 6 = 136,
    // 522 / 6 = 87, 409 / 6 = 68; squared deviations around them 790, 208 and 149.
    const QJsonObject included = r["included"].toObject();
    ExpectSetStats(included, "systolic", {150, "20:00", 121, "06:59", 136, std::sqrt(790.0 / 6)});
    ExpectSetStats(included, "diastolic", {95, "20:00", 78, "06:59", 87, std::sqrt(208.0 / 6)});
    ExpectSetStats(included, "heartRate", {75, "07:00", 60, "06:59", 68, std::sqrt(149.0 / 6)});
    // Awake: mean 142.5 truncated, deviations 276 / 4. Asleep: 64 and 60, each 2 from the mean.
    ExpectSetStats(r["awake"].toObject(), "systolic",
                   {150, "20:00", 130, "21:00", 142, std::sqrt(69.0)});
    ExpectSetStats(r["asleep"].toObject(), "heartRate", {64, "22:01", 60, "06:59", 62, 2.0});
}

TEST_F(StatsOfTheFixture, RegressionTexts) {
    // n = 6, Σx = 816, Σy = 522, Σxy = 71388, Σx² = 111766, Σy² = 45622.
    // n·Σxy − Σx·Σy = 2376, n·Σx² − (Σx)² = 4740, n·Σy² − (Σy)² = 1248.
    // b1 = 0.50127, a1 = (522 − b1·816) / 6 = 18.83; b2 = 1.90385, a2 = (816 − b2·522) / 6
    // = −29.63; r = 2376 / sqrt(4740 · 1248) = 0.976900. The lines cross at the mean point
    // (136, 87), where the truncation of a rounding error decides, so it is not checked here.
    const QJsonObject reg = object("regression");
    EXPECT_EQ(reg["correlationText"].toString().toStdString(),
              "相关系数: r = 0.976900  r*r = 0.954333");
    EXPECT_EQ(reg["yOnXText"].toString().toStdString(), "  y = f(x): y = 0.50x+18.83");
    EXPECT_EQ(reg["xOnYText"].toString().toStdString(), "  x = f(y): x = 1.90y-29.63");
}

TEST_F(StatsOfTheFixture, ClinicalSummaryMembers) {
    // One figure of each group, worked out from the readings in the header: 7 of 8 readings
    // successful; 4 day and 2 night readings are too few. Day means 570/362/285 over 4.
    const QJsonObject c = object("clinical");
    EXPECT_EQ(c["guideline"].toString(), QStringLiteral("ESH2023"));
    EXPECT_EQ(c["failedCount"].toInt(), 1);
    EXPECT_DOUBLE_EQ(c["successPercent"].toDouble(), 87.5);
    EXPECT_EQ(c["valid"], QJsonValue(false));
    const QJsonObject day = c["means"].toObject()["day"].toObject();
    EXPECT_EQ(day["count"].toInt(), 4);
    EXPECT_DOUBLE_EQ(day["diastolic"].toDouble(), 90.5);
    EXPECT_DOUBLE_EQ(day["heartRate"].toDouble(), 71.25);
    EXPECT_EQ(c["thresholds"].toObject()["night"].toArray(), (QJsonArray{120, 70}));
    // Night 123 >= 120 and day 142.5 >= 135: no isolated nocturnal hypertension.
    EXPECT_EQ(c["hypertension"].toObject()["night"], QJsonValue(true));
    EXPECT_EQ(c["hypertension"].toObject()["isolatedNocturnal"], QJsonValue(false));
    EXPECT_DOUBLE_EQ(c["dipping"].toObject()["systolicRatio"].toDouble(), 123 / 142.5);
    EXPECT_EQ(c["dipping"].toObject()["class"].toString(), QStringLiteral("dipper"));
    // Waking at 07:00 (reading 8, 150): pre-waking reading 7 (121); trough 121 with 125.
    EXPECT_DOUBLE_EQ(c["morningSurge"].toObject()["sleepTrough"].toDouble(), 27.0);
    EXPECT_DOUBLE_EQ(c["morningSurge"].toObject()["prewaking"].toDouble(), 29.0);
    // Night systolic 125, 121: SD sqrt(8); diastolic steps 10, 5, 8, 4, 14.
    const QJsonObject v = c["variability"].toObject();
    EXPECT_DOUBLE_EQ(v["systolic"].toObject()["sdNight"].toDouble(), std::sqrt(8.0));
    EXPECT_DOUBLE_EQ(v["diastolic"].toObject()["arv"].toDouble(), 8.2);
    EXPECT_DOUBLE_EQ(c["aasi"].toDouble(), 1 - 2376.0 / 4740); // regression sums above
}

TEST(StatsCommand, ConfigurationGivesThresholdsAndGuidelineUnlessItCannot) {
    struct Case {
        const char* config; // nullptr: no --config; "": a file that does not exist
        QStringList extra;
        const char* guideline;
        bool defaultsSaid; // on standard error
    };
    // Awake systolic 80 is below its diastolic 90 and an asleep diastolic of 30 out of range:
    // the thresholds page would refuse both, so the defaults apply.
    const Case cases[] = {
        {nullptr, {}, "ESH2023", false},
        {"", {}, "ESH2023", false},
        {"Awake Sys Thresh=80\r\n", {}, "ESH2023", true},
        {"Asleep Dia Thresh=30\r\n", {}, "ESH2023", true},
        {"Guideline=ACCAHA2017\r\n", {}, "ACCAHA2017", false},
        {"Guideline=ACCAHA2017\r\n", {"--guideline=esh2023"}, "ESH2023", false},
        {"Guideline=ESH2023\r\n", {"--guideline", "accaha2017"}, "ACCAHA2017", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.config ? c.config : "none") + c.extra.join(' ').toStdString());
        TempDir dir;
        const std::string config = dir.file("OblCofig.ini");
        QStringList args{Q(kFixture)};
        if (c.config) args << "--config" << Q(config);
        if (c.config && *c.config) WriteFileBytes(config, std::string(kConfigX) + c.config);
        const CliRun run = RunStats(args + c.extra);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err.contains("default thresholds"), c.defaultsSaid) << run.err.toStdString();
        const QJsonObject json = ParseObject(run.out);
        EXPECT_EQ(json["thresholds"].toObject(),
                  (QJsonObject{
                      {"awakeSys", 140}, {"asleepSys", 120}, {"awakeDia", 90}, {"asleepDia", 80}}));
        EXPECT_EQ(json["clinical"].toObject()["guideline"].toString(), c.guideline);
        EXPECT_EQ(FileExists(config), c.config && *c.config); // a missing one is not created
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
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(message);
        const CliRun run = RunStats(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count('\n'), 1);
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    }
    EXPECT_FALSE(FileExists(missing));
    EXPECT_EQ(ReadFileBytes(notes), "shopping list\r\n");
}

TEST(StatsCommand, RecordAndConfigurationAreLeftByteForByte) {
    TempDir dir;
    const std::string record = dir.file("r.awp");
    const std::string config = dir.file("OblCofig.ini");
    const std::string bytes = ReadFileBytes(kFixture);
    WriteFileBytes(record, bytes);
    WriteFileBytes(config, kConfigX);
    const auto before = std::filesystem::last_write_time(record);
    ASSERT_EQ(RunStats({Q(record), "--config", Q(config)}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(record), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(record), before);
    EXPECT_EQ(ReadFileBytes(config), kConfigX);
    // No temporary file left behind either.
    const auto files = std::distance(std::filesystem::directory_iterator(dir.path()),
                                     std::filesystem::directory_iterator());
    EXPECT_EQ(files, 2);
}

TEST(StatsCommand, CompactOutputIsOneLine) {
    const CliRun run = RunStats({Q(kFixture), "--compact"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.count('\n'), 1);
    EXPECT_EQ(ParseObject(run.out)["totalCount"].toInt(), 8);
}

TEST(StatsCommand, EmptyTestHasNoExtremesNoBinsAndNoCorrelation) {
    const QJsonObject json =
        StatsOfRecord("[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=0\r\n");
    EXPECT_EQ(json["totalCount"].toInt(-1), 0);
    const QJsonObject systolic = json["awake"].toObject()["systolic"].toObject();
    EXPECT_TRUE(systolic["max"].isNull());
    EXPECT_TRUE(systolic["minIndex"].isNull());
    for (const QJsonValue& histogram : json["histograms"].toObject())
        EXPECT_TRUE(histogram.toArray().isEmpty());
    const QJsonObject reg = json["regression"].toObject();
    EXPECT_FALSE(reg.contains("correlationText"));
    EXPECT_EQ(reg["centreText"].toString().toStdString(), "分布中心:");
}

TEST(StatsCommand, APatientNameHoldingATestHeaderStillGivesTheTestsReadings) {
    const QJsonObject json =
        StatsOfRecord("[PATIENT DATA]\r\nName=[TEST 1]\r\nTest Count=1\r\n[TEST 1]\r\n"
                      "Count=1\r\n1=00007D50485F0000000000000\r\n");
    EXPECT_EQ(json["totalCount"].toInt(), 1);
    EXPECT_EQ(json["included"].toObject()["systolic"].toObject()["max"].toInt(), 125); // 0x7D
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
