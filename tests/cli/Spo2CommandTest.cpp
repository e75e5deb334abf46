// abpm-cli spo2 on the SpO2 sample record and on records it must refuse.
//
// The sample (tools/make-samples.cpp, MakeSpo2) is 8 h = 28,800 s with no data at
// 20000..20119 (Z = 120 for both arrays). Its SpO2 baseline switches between 96 and 97 every
// 600 s, and every dip starts 600 s after a step down from 97 to 96. A fall episode runs
// across flat steps, so each dip belongs to an episode that began at that step: more than
// 180 s long, so no desaturation event. The pulse dips (62 down to 53 over 13 s) start right
// after a step down from 63 at 5400, 9000, 18000 and 23400: episodes of d = 14 from the 63,
// but 63 - 58 = 5 after 8 s misses the 6-bpm drop threshold; a threshold of 5 takes all four.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <filesystem>

#include "TempDir.h"

namespace {

const std::string kSamples = ABPM_SAMPLES_DIR;

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

CliResult RunSpo2(const QStringList& args) {
    QProcess p;
    p.start(ABPM_CLI, QStringList{"spo2"} + args);
    CliResult r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString Path(const std::string& path) {
    return QString::fromStdString(path);
}

void ExpectRefused(const CliResult& r, const char* wordInMessage) {
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
    EXPECT_TRUE(r.err.endsWith('\n'));
    EXPECT_TRUE(r.err.contains(wordInMessage)) << r.err.constData();
}

QJsonObject Event(int start, int duration, int startValue, int endValue) {
    return {{"start", start},
            {"duration", duration},
            {"startValue", startValue},
            {"endValue", endValue}};
}

class Spo2CommandOnSample : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const CliResult r = RunSpo2({Path(kSamples + "/spo2-night.awp")});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        result = new QJsonObject(r.json());
    }
    static void TearDownTestSuite() {
        delete result;
        result = nullptr;
    }
    static QJsonObject* result;
};

QJsonObject* Spo2CommandOnSample::result = nullptr;

} // namespace

TEST_F(Spo2CommandOnSample, SeriesFacts) {
    const QJsonObject& j = *result;
    EXPECT_EQ(j["length"].toInt(), 28800);
    EXPECT_EQ(j["zeroSeconds"].toInt(), 120);
    EXPECT_EQ(j["start"].toString(), "2026-3-20 23:0:0");
    EXPECT_EQ(j["desaturationEvents"].toArray(), QJsonArray{});
    EXPECT_EQ(j["pulseEvents"].toArray(), QJsonArray{});
}

TEST_F(Spo2CommandOnSample, SummaryTexts) {
    const QJsonObject spo2 = (*result)["summary"].toObject()["spo2"].toObject();
    EXPECT_EQ(spo2.size(), 12);
    EXPECT_EQ(spo2["totalEvents"].toString(), "0");
    EXPECT_EQ(spo2["totalEventMinutes"].toString(), "0.0");
    EXPECT_EQ(spo2["averageEventSeconds"].toString(), "0.0");
    EXPECT_EQ(spo2["indexPerHour"].toString(), "0.0");
    EXPECT_EQ(spo2["artefactPercent"].toString(), "0.4"); // 120 / 28800 * 100
    EXPECT_EQ(spo2["adjustedIndex"].toString(), "0.0");
    // Baseline 9600 s of 97 and 19200 s of 96, less 120 s of 96 in the gap, less the dips
    // (deficits 105 + 155 + 214 + 48 + 360 + 129) and the shallow dip (12):
    // 2761857 / 28680 = 96.299.
    EXPECT_EQ(spo2["average"].toString(), "96.3");
    EXPECT_EQ(spo2["minutesBelowCritical"].toString(), "0.0");
    EXPECT_EQ(spo2["eventsBelowCritical"].toString(), "0");
    EXPECT_EQ(spo2["minimum"].toString(), "80"); // the 16-point dip
    EXPECT_EQ(spo2["lowAverage"].toString(), "----");
    EXPECT_EQ(spo2["lowAverageBelow88"].toString(), "----");

    const QJsonObject pulse = (*result)["summary"].toObject()["pulse"].toObject();
    EXPECT_EQ(pulse.size(), 8);
    EXPECT_EQ(pulse["totalEvents"].toString(), "0");
    EXPECT_EQ(pulse["artefactPercent"].toString(), "0.4");
    // 14400 s each of 62 and 63, less 120 s of 62 in the gap and 4 dips of deficit 57:
    // 1792332 / 28680 = 62.494.
    EXPECT_EQ(pulse["average"].toString(), "62.5");
    EXPECT_EQ(pulse["minimum"].toString(), "53");
}

TEST_F(Spo2CommandOnSample, LevelTable) {
    const QJsonArray levels = (*result)["levels"].toArray();
    ASSERT_EQ(levels.size(), 14);
    // Seconds with data 28680; below 95: 142 in the dips + 2 in the shallow dip; below 90:
    // 72; below 85: 19 (the 12- and 16-point dips only).
    const QJsonObject expected[] = {
        {{"band", " 99 - 95 "}, {"events", "0"}, {"below", " 100"}, {"time", "100.0"}},
        {{"band", " 94 - 90 "}, {"events", "0"}, {"below", " 95"}, {"time", "0.5"}},
        {{"band", " 89 - 85 "}, {"events", "0"}, {"below", " 90"}, {"time", "0.3"}},
        {{"band", " 84 - 80 "}, {"events", "0"}, {"below", " 85"}, {"time", "0.1"}},
        {{"band", " 79 - 75 "}, {"events", "0"}, {"below", " 80"}, {"time", "0.0"}},
    };
    for (int i = 0; i < int(std::size(expected)); ++i)
        EXPECT_EQ(levels[i].toObject(), expected[i]);
    EXPECT_EQ(levels[13].toObject()["band"].toString(), " 34 - 30 ");
}

TEST(Spo2Command, OptionsSetTheThresholds) {
    const CliResult r =
        RunSpo2({Path(kSamples + "/spo2-night.awp"), "--pulse-change", "5", "--drop=4"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject j = r.json();
    const QJsonArray expected{Event(5399, 14, 63, 53), Event(8999, 14, 63, 53),
                              Event(17999, 14, 63, 53), Event(23399, 14, 63, 53)};
    EXPECT_EQ(j["pulseEvents"].toArray(), expected);
    const QJsonObject pulse = j["summary"].toObject()["pulse"].toObject();
    EXPECT_EQ(pulse["totalEvents"].toString(), "4");
    EXPECT_EQ(pulse["totalEventMinutes"].toString(), "0.9"); // 56 / 60
    EXPECT_EQ(pulse["averageEventSeconds"].toString(), "14.0");
    EXPECT_EQ(pulse["indexPerHour"].toString(), "0.5");  // 4 * 3600 / 28800
    EXPECT_EQ(pulse["adjustedIndex"].toString(), "0.5"); // 4 * 3600 / 28680 = 0.502

    // A pulse episode measured after 9 s instead of 8 reaches 63 - 57 = 6.
    const CliResult longer =
        RunSpo2({Path(kSamples + "/spo2-night.awp"), "--pulse-min-duration", "9"});
    ASSERT_EQ(longer.exitCode, 0);
    EXPECT_EQ(longer.json()["pulseEvents"].toArray(), expected);
}

TEST(Spo2Command, RecordWithoutSeriesPrintsTheEmptyFigures) {
    const CliResult r = RunSpo2({Path(kSamples + "/24h-normal-dip.awp")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject j = r.json();
    EXPECT_EQ(j["length"].toInt(-1), 0);
    EXPECT_EQ(j["zeroSeconds"].toInt(-1), 0);
    EXPECT_TRUE(j["desaturationEvents"].toArray().isEmpty());
    const QJsonObject spo2 = j["summary"].toObject()["spo2"].toObject();
    EXPECT_EQ(spo2["indexPerHour"].toString(), "----");
    EXPECT_EQ(spo2["adjustedIndex"].toString(), "----");
    EXPECT_EQ(spo2["artefactPercent"].toString(), "----");
    EXPECT_EQ(spo2["average"].toString(), "----");
    EXPECT_EQ(j["summary"].toObject()["pulse"].toObject()["average"].toString(), "----");
    EXPECT_EQ(j["levels"].toArray()[0].toObject()["time"].toString(), "");
}

TEST(Spo2Command, RecordIsNeverWritten) {
    TempDir dir;
    const std::string path = dir.file("night.awp");
    std::filesystem::copy_file(kSamples + "/spo2-night.awp", path);
    const auto before = std::filesystem::last_write_time(path);
    const std::string bytes = ReadFileBytes(path);
    ASSERT_EQ(RunSpo2({Path(path), "--critical", "90"}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(path), before);
}

TEST(Spo2Command, RefusesWhatItCannotAnalyse) {
    TempDir dir;
    const std::string missing = dir.file("missing.awp");
    ExpectRefused(RunSpo2({Path(missing)}), "no such file");
    EXPECT_FALSE(FileExists(missing));

    const std::string text = dir.file("notes.awp");
    WriteFileBytes(text, "just some notes\r\n");
    ExpectRefused(RunSpo2({Path(text)}), "not a patient record");
    ExpectRefused(RunSpo2({Path(dir.path())}), "not a patient record");

    // "DataCount" says 3, the pack holds 2 records and the trailer.
    const std::string damaged = dir.file("damaged.awp");
    const std::string record = "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=0\r\n"
                               "[SPO2 DATA]\r\nDataCount=3\r\n"
                               "DATA PACK=603C000000015F3D0000000200000002\r\n";
    WriteFileBytes(damaged, record);
    ExpectRefused(RunSpo2({Path(damaged)}), "damaged");
    EXPECT_EQ(ReadFileBytes(damaged), record);

    const QString sample = Path(kSamples + "/spo2-night.awp");
    ExpectRefused(RunSpo2({}), "usage");
    ExpectRefused(RunSpo2({sample, "--drop"}), "--drop");
    ExpectRefused(RunSpo2({sample, "--drop", "four"}), "--drop");
    ExpectRefused(RunSpo2({sample, "--min-duration=-3"}), "--min-duration");
    ExpectRefused(RunSpo2({sample, "--fast"}), "--fast");
    ExpectRefused(RunSpo2({sample, sample}), "one record");
}
