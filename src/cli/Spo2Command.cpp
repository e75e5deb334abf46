// abpm-cli spo2: the SpO2 analysis of a record (events, table figures, level table) as one
// JSON object. The record is only read.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <map>

#include "CIniDocument.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "Spo2Analysis.h"
#include "Spo2Series.h"
#include "Spo2Summary.h"

namespace {

constexpr int kBadInput = 2;
const char* const kUsage = "spo2 FILE.awp [--drop N] [--min-duration S] [--critical N] "
                           "[--pulse-change N] [--pulse-min-duration S]";

struct Spo2Options {
    std::string recordPath;
    Spo2Parameters parameters;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "abpm-cli spo2: %s\n", message.c_str());
    return kBadInput;
}

// The number options and the parameter each one sets.
std::map<QString, int Spo2Parameters::*> NumberOptions() {
    return {{"--drop", &Spo2Parameters::dropThreshold},
            {"--min-duration", &Spo2Parameters::minimumDuration},
            {"--critical", &Spo2Parameters::criticalLevel},
            {"--pulse-change", &Spo2Parameters::pulseChangeThreshold},
            {"--pulse-min-duration", &Spo2Parameters::pulseMinimumDuration}};
}

// Empty result: the value was taken; otherwise the message to print.
std::string SetNumber(const QString& name, const QString& text, int& target) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        return name.toStdString() + " needs a whole number of 0 or more, not \"" +
               text.toStdString() + "\"";
    target = value;
    return {};
}

std::string ParseOptions(const QStringList& args, Spo2Options& options) {
    const auto numbers = NumberOptions();
    bool haveRecord = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name = args[i];
        QString value;
        const qsizetype equals = name.indexOf('=');
        if (name.startsWith("--") && equals > 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
        } else if (name.startsWith("--") && numbers.count(name)) {
            if (i + 1 >= args.size()) return name.toStdString() + " needs a value";
            value = args[++i];
        }
        if (const auto it = numbers.find(name); it != numbers.end()) {
            if (std::string error = SetNumber(name, value, options.parameters.*(it->second));
                !error.empty())
                return error;
        } else if (name.startsWith("--")) {
            return "unknown option " + name.toStdString();
        } else if (haveRecord) {
            return "only one record file can be given";
        } else {
            options.recordPath = QFile::encodeName(name).toStdString();
            haveRecord = true;
        }
    }
    if (!haveRecord) return std::string("usage: abpm-cli ") + kUsage;
    return {};
}

QString Text(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

QJsonArray EventsJson(const std::map<int, Spo2Event>& events) {
    QJsonArray list;
    for (const auto& [start, e] : events)
        list.append(QJsonObject{{"start", e.startIndex},
                                {"duration", e.duration},
                                {"startValue", e.startValue},
                                {"endValue", e.endValue}});
    return list;
}

QJsonObject ColumnJson(const Spo2ColumnTexts& c) {
    return {{"totalEvents", Text(c.totalEvents)},
            {"totalEventMinutes", Text(c.totalEventMinutes)},
            {"averageEventSeconds", Text(c.averageEventSeconds)},
            {"indexPerHour", Text(c.indexPerHour)},
            {"artefactPercent", Text(c.artefactPercent)},
            {"adjustedIndex", Text(c.adjustedIndex)},
            {"average", Text(c.average)},
            {"minimum", Text(c.minimum)}};
}

QJsonObject SummaryJson(const Spo2SummaryTexts& t) {
    QJsonObject spo2 = ColumnJson(t.spo2);
    spo2["minutesBelowCritical"] = Text(t.minutesBelowCritical);
    spo2["eventsBelowCritical"] = Text(t.eventsBelowCritical);
    spo2["lowAverage"] = Text(t.lowAverage);
    spo2["lowAverageBelow88"] = Text(t.lowAverageBelow88);
    return {{"spo2", spo2}, {"pulse", ColumnJson(t.pulse)}};
}

QJsonArray LevelsJson(const Spo2Analysis& analysis) {
    QJsonArray rows;
    for (const Spo2LevelRow& r : Spo2Summary::LevelTable(analysis))
        rows.append(QJsonObject{{"band", Text(r.band)},
                                {"events", Text(r.events)},
                                {"below", Text(r.below)},
                                {"time", Text(r.time)}});
    return rows;
}

QJsonObject Spo2Json(const Spo2Series& series, const Spo2Analysis& analysis) {
    return {{"length", analysis.seriesLength()},
            {"zeroSeconds", analysis.zeroSeconds()},
            {"start", Text(series.startText())},
            {"desaturationEvents", EventsJson(analysis.desaturationEvents())},
            {"pulseEvents", EventsJson(analysis.pulseEvents())},
            {"summary", SummaryJson(Spo2Summary::Figures(analysis))},
            {"levels", LevelsJson(analysis)}};
}

// Empty result: the series was read (or the record has none); otherwise the message.
std::string ReadRecordSeries(const std::string& path, Spo2Series& series) {
    if (std::string error = CliFiles::CheckRecord(path); !error.empty()) return error;
    const CIniDocument doc(path);
    if (ReadSpo2Series(doc, series) == Spo2ReadResult::Damaged)
        return path + ": the SpO2 series is damaged (\"DataCount\" does not match \"DATA PACK\","
                      " or the series length is unreadable)";
    return {};
}

int RunSpo2(const QStringList& args) {
    Spo2Options options;
    if (std::string error = ParseOptions(args, options); !error.empty()) return Fail(error);
    Spo2Series series;
    if (std::string error = ReadRecordSeries(options.recordPath, series); !error.empty())
        return Fail(error);

    Spo2Analysis analysis;
    const Spo2Parameters& p = options.parameters;
    analysis.setSpo2Parameters(p.dropThreshold, p.minimumDuration);
    analysis.setPulseParameters(p.pulseChangeThreshold, p.pulseMinimumDuration);
    analysis.setCriticalLevel(p.criticalLevel);
    analysis.analyse(series);

    const QByteArray json = QJsonDocument(Spo2Json(series, analysis)).toJson();
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

const CliCommandRegistration registration({"spo2", kUsage, RunSpo2});

} // namespace
