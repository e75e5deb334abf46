// abpm-cli spo2 on the SpO2 sample record and on records it must refuse. The sample
// (tools/make-samples.cpp) is 8 h = 28,800 s with no data at 20000..20119 (Z = 120), SpO2
// baseline 96 and pulse 62. A dip of depth D from second t steps down one point every 2 s,
// holds 96 - D for 5 s and recovers from t + 2D + 3: its episode runs from the last 96
// (t - 1) to the last 96 - D, d = 2D + 3. Dips: t = 1800, 5400, 9000, 12600, 18000, 23400
// with D = 8, 10, 12, 5, 16, 9. Pulse dips (D >= 9) run 62 - 9k/13 for k = 0..13 from t:
// start t + 1, d = 12, end 53; after 8 s the drop is 62 - 56 = 6, just enough.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "TempDir.h"

namespace {

const std::string kSamples = ABPM_SAMPLES_DIR;

CliRun RunSpo2(const QStringList& args) {
    return RunCli(QStringList{"spo2"} + args);
}

QJsonObject Event(int start, int duration, int startValue, int endValue) {
    return {{"start", start},
            {"duration", duration},
            {"startValue", startValue},
            {"endValue", endValue}};
}

} // namespace

TEST(Spo2Command, SampleSeriesEventsSummaryAndLevels) {
    const CliRun run = RunSpo2({Q(kSamples + "/spo2-night.awp")});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    // Adjusted index 6 * 3600 / 28680 = 0.753. Ends below 88: D = 10, 12, 16, 9; the first
    // sample below 88 is 96 - 9, 16 s after the event's second sample: 7 + 11 + 19 + 5 = 42 s.
    // Pulse: 4 dips of 12 s, 4 * 3600 / 28680 = 0.502. Levels by end value: 91 | 88, 86, 87 |
    // 84, 80; seconds below 95: 142 in the dips + 2 in the shallow dip, of 28680 with data.
    // clang-format off
    ExpectMembers(run.json(), {
        {"length", 28800}, {"zeroSeconds", 120}, {"start", "2026-3-20 23:0:0"},
        {"desaturationEvents", QJsonArray{Event(1799, 19, 96, 88), Event(5399, 23, 96, 86),
                                          Event(8999, 27, 96, 84), Event(12599, 13, 96, 91),
                                          Event(17999, 35, 96, 80), Event(23399, 21, 96, 87)}},
        {"pulseEvents", QJsonArray{Event(5401, 12, 62, 53), Event(9001, 12, 62, 53),
                                   Event(18001, 12, 62, 53), Event(23401, 12, 62, 53)}},
        {"summary/spo2/adjustedIndex", "0.8"}, {"summary/spo2/minutesBelowCritical", "0.7"},
        {"summary/pulse/adjustedIndex", "0.5"},
        {"levels/1", QJsonObject{{"band", " 94 - 90 "}, {"events", "1"}, {"below", " 95"},
                                 {"time", "0.5"}}},
        {"levels/13/band", " 34 - 30 "}, {"levels/14", QJsonValue::Undefined}});
    // clang-format on
}

TEST(Spo2Command, OptionsSetTheThresholdsAndTheRecordIsOnlyRead) {
    const std::string path = kSamples + "/spo2-night.awp";
    const std::string bytes = ReadFileBytes(path);
    const QString sample = Q(path);
    const auto events = [&](const QStringList& options, const char* kind) {
        const CliRun r = RunSpo2(QStringList{sample} + options);
        EXPECT_EQ(r.status, 0) << r.err.constData();
        return r.json()[kind].toArray().size();
    };
    // A drop of 6 within the first 10 s: every dip has fallen only 5 points by then. Within
    // 12 s they have fallen 6: all but the 5-point dip. Pulse: the dips fall 9 bpm over 12 s.
    EXPECT_EQ(events({"--drop", "6"}, "desaturationEvents"), 0);
    EXPECT_EQ(events({"--drop=6", "--min-duration", "12"}, "desaturationEvents"), 5);
    EXPECT_EQ(events({"--pulse-change", "10"}, "pulseEvents"), 0);
    EXPECT_EQ(events({"--pulse-min-duration", "12"}, "pulseEvents"), 4);
    // Critical level 85: ends 84 and 80; the first sample below 85 is 96 - 12, 22 s after
    // each event's second sample: (27 - 22) + (35 - 22) = 18 s.
    ExpectMembers(
        RunSpo2({sample, "--critical", "85"}).json(),
        {{"summary/spo2/eventsBelowCritical", "2"}, {"summary/spo2/minutesBelowCritical", "0.3"}});
    EXPECT_EQ(ReadFileBytes(path), bytes);
    // A record without a series is analysed as an empty one.
    const CliRun none = RunSpo2({Q(kSamples + "/24h-normal-dip.awp")});
    ASSERT_EQ(none.status, 0) << none.err.constData();
    ExpectMembers(none.json(), {{"length", 0}, {"summary/spo2/average", "----"}});
}

TEST(Spo2Command, RefusesWhatItCannotAnalyse) {
    TempDir dir;
    WriteFileBytes(dir.file("notes.awp"), "just some notes\r\n");
    // "DataCount" says 3, the pack holds 2 records and the trailer.
    const std::string damaged = dir.file("damaged.awp");
    const std::string record = "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=0\r\n"
                               "[SPO2 DATA]\r\nDataCount=3\r\n"
                               "DATA PACK=603C000000015F3D0000000200000002\r\n";
    WriteFileBytes(damaged, record);
    const QString sample = Q(kSamples + "/spo2-night.awp");
    const std::pair<QStringList, const char*> cases[] = {
        {{Q(dir.file("missing.awp"))}, "no such file"},
        {{Q(dir.file("notes.awp"))}, "not a patient record"},
        {{Q(damaged)}, "damaged"},
        {{}, "usage"},
        {{sample, "--drop", "four"}, "--drop"},
        {{sample, "--min-duration=-3"}, "--min-duration"},
        {{sample, "--fast"}, "--fast"},
        {{sample, sample}, "one record"},
    };
    for (const auto& [args, message] : cases)
        ExpectRefused(RunSpo2(args), message);
    EXPECT_EQ(ReadFileBytes(damaged), record);
    EXPECT_FALSE(FileExists(dir.file("missing.awp")));
}
