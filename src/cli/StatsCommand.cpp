// abpm-cli stats: the figures of a record's loaded test as one JSON object.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "AppState.h"
#include "BpStatistics.h"
#include "CIniDocument.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "ClinicalJson.h"
#include "ConfigStore.h"
#include "ReadingSetStats.h"
#include "ReadingSets.h"
#include "Regression.h"
#include "ThresholdRules.h"

using namespace CliFiles;

namespace {

constexpr int kBadInput = 2;
const char* const kUsage =
    "stats FILE.awp [--config OblCofig.ini] [--guideline esh2023|accaha2017] [--compact]";

struct StatsOptions {
    std::string recordPath;
    std::optional<std::string> configPath;
    std::optional<ClinicalGuideline> guideline; // --guideline, over the configuration's
    bool compact = false;
};

void Warn(const std::string& message) {
    std::fprintf(stderr, "abpm-cli stats: %s\n", message.c_str());
}

int Fail(const std::string& message) {
    Warn(message);
    return kBadInput;
}

std::string DefaultsUsed() {
    const BpThresholds d;
    return "the default thresholds " + std::to_string(d.awakeSys) + "/" +
           std::to_string(d.awakeDia) + " awake, " + std::to_string(d.asleepSys) + "/" +
           std::to_string(d.asleepDia) + " asleep are used";
}

// Empty result: the options are fine; otherwise the message to print.
std::string ParseOptions(const QStringList& args, StatsOptions& options) {
    bool haveRecord = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == "--compact") {
            options.compact = true;
        } else if (arg == "--config") {
            if (i + 1 >= args.size()) return "--config needs a file name";
            options.configPath = FileName(args[++i]);
        } else if (arg.startsWith("--config=")) {
            options.configPath = FileName(arg.mid(9));
        } else if (arg == "--guideline" || arg.startsWith("--guideline=")) {
            if (arg == "--guideline" && i + 1 >= args.size()) return "--guideline needs a value";
            const QString value = arg == "--guideline" ? args[++i] : arg.mid(12);
            options.guideline = GuidelineOption(value);
            if (!options.guideline) return "--guideline takes esh2023 or accaha2017";
        } else if (arg.startsWith("--")) {
            return "unknown option " + arg.toStdString();
        } else if (haveRecord) {
            return "only one record file can be given";
        } else {
            options.recordPath = FileName(arg);
            haveRecord = true;
        }
    }
    if (!haveRecord) return std::string("usage: abpm-cli ") + kUsage;
    return {};
}

// Without a configuration file the defaults apply; a missing one is never created.
std::string ReadThresholds(const std::optional<std::string>& configPath, BpThresholds& out) {
    out = BpThresholds{};
    if (!configPath || !Exists(*configPath)) return {};
    if (!IsRegularFile(*configPath)) return *configPath + ": not a configuration file";
    const CIniDocument doc(*configPath);
    if (!doc.isReadable()) return *configPath + ": cannot read the configuration file";
    const BpThresholds stored = ConfigStore::StoredCurrentThresholdsIn(doc);
    // Thresholds the thresholds page would refuse never reach the analysis.
    switch (CheckThresholds(stored)) {
    case ThresholdCheck::Accepted:
        out = stored;
        break;
    case ThresholdCheck::SystolicBelowDiastolic:
        Warn(*configPath + ": a systolic threshold is below its diastolic one; " + DefaultsUsed());
        break;
    case ThresholdCheck::OutOfRange:
        Warn(*configPath + ": a threshold is out of range (systolic " +
             std::to_string(kMinSystolicThreshold) + "-" + std::to_string(kMaxSystolicThreshold) +
             ", diastolic " + std::to_string(kMinDiastolicThreshold) + "-" +
             std::to_string(kMaxDiastolicThreshold) + "); " + DefaultsUsed());
        break;
    }
    return {};
}

ClinicalGuideline ReadGuideline(const std::optional<std::string>& configPath) {
    if (!configPath || !IsRegularFile(*configPath)) return kDefaultGuideline;
    return ConfigGuideline(CIniDocument(*configPath), "stats");
}

// The float as its shortest decimal text, so the printed number reads back as the same float.
QJsonValue FloatValue(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text - 1, value);
    *result.ptr = '\0';
    return std::strtod(text, nullptr);
}

QJsonObject QuantityJson(const ReadingSet& set, const QuantitySummary& s, BpQuantity q) {
    QJsonObject o;
    if (s.maxIndex < 0 || s.minIndex < 0) {
        o["max"] = QJsonValue::Null;
        o["maxIndex"] = QJsonValue::Null;
        o["min"] = QJsonValue::Null;
        o["minIndex"] = QJsonValue::Null;
    } else {
        o["max"] = ValueOf(set[static_cast<std::size_t>(s.maxIndex)], q);
        o["maxIndex"] = s.maxIndex;
        o["min"] = ValueOf(set[static_cast<std::size_t>(s.minIndex)], q);
        o["minIndex"] = s.minIndex;
    }
    o["mean"] = FloatValue(s.mean);
    return o;
}

QJsonObject SetJson(const ReadingSet& set, const SetSummary& summary, int sysOver, int diaOver) {
    const int count = static_cast<int>(set.size());
    QJsonObject o;
    o["count"] = count;
    o["sysOver"] = sysOver;
    o["diaOver"] = diaOver;
    o["loadSysPercent"] = LoadPercent(sysOver, count);
    o["loadDiaPercent"] = LoadPercent(diaOver, count);
    o["systolic"] = QuantityJson(set, summary[BpQuantity::Systolic], BpQuantity::Systolic);
    o["diastolic"] = QuantityJson(set, summary[BpQuantity::Diastolic], BpQuantity::Diastolic);
    o["heartRate"] = QuantityJson(set, summary[BpQuantity::HeartRate], BpQuantity::HeartRate);
    o["meanPressure"] =
        QuantityJson(set, summary[BpQuantity::MeanPressure], BpQuantity::MeanPressure);
    o["pulsePressure"] =
        QuantityJson(set, summary[BpQuantity::PulsePressure], BpQuantity::PulsePressure);
    return o;
}

QJsonArray HistogramJson(const Histogram& histogram) {
    QJsonArray bins;
    for (const HistogramBin& bin : histogram)
        bins.append(QJsonArray{bin.lowerBound, bin.perMille});
    return bins;
}

QJsonObject HistogramsJson(const BpStatistics& s) {
    QJsonObject o;
    o["awakeSystolic"] = HistogramJson(s.awakeSystolic);
    o["awakeDiastolic"] = HistogramJson(s.awakeDiastolic);
    o["asleepSystolic"] = HistogramJson(s.asleepSystolic);
    o["asleepDiastolic"] = HistogramJson(s.asleepDiastolic);
    o["heartRate"] = HistogramJson(s.heartRate);
    o["meanPressure"] = HistogramJson(s.meanPressure);
    o["pulsePressure"] = HistogramJson(s.pulsePressure);
    return o;
}

QJsonObject SetStatsJson(const ReadingSet& set, const TestRecord& test) {
    using Q = ReadingSetStats::Quantity;
    ReadingSetStats stats;
    stats.attach(set, test);
    stats.compute();
    QJsonObject o;
    const std::pair<const char*, Q> quantities[] = {
        {"systolic", Q::Systolic}, {"diastolic", Q::Diastolic}, {"heartRate", Q::HeartRate}};
    for (const auto& [name, q] : quantities) {
        QJsonObject v;
        v["max"] = stats.maximum(q);
        v["min"] = stats.minimum(q);
        v["maxTime"] = QString::fromStdString(stats.maximumTime(q));
        v["minTime"] = QString::fromStdString(stats.minimumTime(q));
        v["mean"] = stats.mean(q);
        v["sd"] = stats.standardDeviation(q);
        o[name] = v;
    }
    return o;
}

QJsonObject RegressionJson(const ReadingSets& sets) {
    const Regression reg = ComputeRegression(sets);
    QJsonObject o;
    const std::string correlation = CorrelationText(reg);
    if (!correlation.empty()) o["correlationText"] = QString::fromStdString(correlation);
    o["yOnXText"] = QString::fromStdString(YOnXText(reg));
    o["xOnYText"] = QString::fromStdString(XOnYText(reg));
    o["centreText"] = QString::fromStdString(CentreText(reg));
    return o;
}

QJsonObject StatsJson(const AppState& state, ClinicalGuideline guideline) {
    const BpStatistics& s = state.bpStatistics;
    const ReadingSets& sets = state.readingSets;
    QJsonObject o;
    o["totalCount"] = s.totalCount;
    o["includedCount"] = s.includedCount;
    o["awakeCount"] = s.awakeCount;
    o["asleepCount"] = s.asleepCount;
    o["thresholds"] = QJsonObject{{"awakeSys", s.thresholds.awakeSys},
                                  {"asleepSys", s.thresholds.asleepSys},
                                  {"awakeDia", s.thresholds.awakeDia},
                                  {"asleepDia", s.thresholds.asleepDia}};
    o["awakeStartMinute"] = state.record.test.awakeStartMinute;
    o["asleepStartMinute"] = state.record.test.asleepStartMinute;
    o["included"] = SetJson(sets.included, s.included, s.daySysOver, s.dayDiaOver);
    o["awake"] = SetJson(sets.awake, s.awake, s.awakeSysOver, s.awakeDiaOver);
    o["asleep"] = SetJson(sets.asleep, s.asleep, s.asleepSysOver, s.asleepDiaOver);
    o["histograms"] = HistogramsJson(s);
    const TestRecord& test = state.record.test;
    o["readingSetStats"] = QJsonObject{{"included", SetStatsJson(sets.included, test)},
                                       {"awake", SetStatsJson(sets.awake, test)},
                                       {"asleep", SetStatsJson(sets.asleep, test)}};
    o["regression"] = RegressionJson(sets);
    o["clinical"] = ClinicalJson(ComputeClinicalSummary(test, sets, guideline));
    return o;
}

int RunStats(const QStringList& args) {
    StatsOptions options;
    if (std::string error = ParseOptions(args, options); !error.empty()) return Fail(error);
    BpThresholds thresholds;
    if (std::string error = ReadThresholds(options.configPath, thresholds); !error.empty())
        return Fail(error);
    if (std::string error = CheckRecord(options.recordPath); !error.empty()) return Fail(error);
    const ClinicalGuideline guideline =
        options.guideline ? *options.guideline : ReadGuideline(options.configPath);

    // The state is large (three sets of copies beside the record): keep it off the stack.
    auto state = std::make_unique<AppState>();
    if (!state->openRecord(options.recordPath, thresholds))
        return Fail(options.recordPath + ": cannot read the file");
    const TestRecord& test = state->record.test;
    if (test.readingsInFile > test.readingCount)
        std::fprintf(stderr,
                     "abpm-cli stats: %s: \"Count\" is %d; only the first %d readings are used\n",
                     options.recordPath.c_str(), test.readingsInFile, test.readingCount);
    ClassifyReadings(state->record.test, state->readingSets);
    ComputeStatistics(state->record, state->readingSets, state->bpStatistics);

    const QByteArray json =
        QJsonDocument(StatsJson(*state, guideline))
            .toJson(options.compact ? QJsonDocument::Compact : QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    if (options.compact) std::fputc('\n', stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

const CliCommandRegistration registration({"stats", kUsage, RunStats});

} // namespace
