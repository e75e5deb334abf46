// abpm-cli report: the printed report of a record as a PDF file, without a window.
#include <QPageSize>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "AppState.h"
#include "CIniDocument.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "ConfigStore.h"
#include "GbkText.h"
#include "PageDispatcher.h"
#include "ReportRun.h"

using namespace CliFiles;

namespace {

constexpr int kBadInput = 2;
constexpr int kCannotWrite = 5;
const char* const kUsage =
    "report FILE.awp --pdf OUT.pdf [--config OblCofig.ini] [--pages LIST] "
    "[--spo2 none|summary|full|quantitative|strip] [--window SECONDS] [--period all|day|night] "
    "[--paper a4|letter] [--guideline esh2023|accaha2017]";
// The resolution the page layouts were drawn for; a command line has no screen of its own.
constexpr double kDesignScreenDpi = 96.0;

struct ReportCliOptions {
    std::string recordPath;
    QString pdfPath;
    std::optional<std::string> configPath;
    std::optional<QString> pages;
    std::optional<QString> spo2;
    QString window = QStringLiteral("600");
    std::optional<QString> guideline;
    QString period = QStringLiteral("all");
    QString paper = QStringLiteral("a4");
};

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "abpm-cli report: %s\n", message.c_str());
    return status;
}

// Empty result: the options are fine; otherwise the message to print.
std::string ParseOptions(const QStringList& args, ReportCliOptions& o) {
    const std::map<QString, std::function<void(const QString&)>> options = {
        {"--pdf", [&](const QString& v) { o.pdfPath = v; }},
        {"--config", [&](const QString& v) { o.configPath = FileName(v); }},
        {"--pages", [&](const QString& v) { o.pages = v; }},
        {"--spo2", [&](const QString& v) { o.spo2 = v; }},
        {"--window", [&](const QString& v) { o.window = v; }},
        {"--period", [&](const QString& v) { o.period = v; }},
        {"--paper", [&](const QString& v) { o.paper = v; }},
        {"--guideline", [&](const QString& v) { o.guideline = v; }},
    };
    bool haveRecord = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name = args[i];
        if (!name.startsWith("--")) {
            if (haveRecord) return "only one record file can be given";
            o.recordPath = FileName(name);
            haveRecord = true;
            continue;
        }
        std::optional<QString> value;
        if (const qsizetype equals = name.indexOf('='); equals > 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
        }
        const auto option = options.find(name);
        if (option == options.end()) return "unknown option " + name.toStdString();
        if (!value && i + 1 >= args.size()) return name.toStdString() + " needs a value";
        option->second(value ? *value : args[++i]);
    }
    if (!haveRecord || o.pdfPath.isEmpty()) return std::string("usage: abpm-cli ") + kUsage;
    return {};
}

std::string WordOf(int kind) {
    const PageKindEntry* e = PageKindEntryOf(kind);
    return e && e->word ? e->word : "spo2";
}

// The page switches from the words of --pages.
std::string SelectPages(const QString& list, PageSelection& selection) {
    selection.pages.fill(0);
    for (const QString& item : list.split(',', Qt::SkipEmptyParts)) {
        const std::string word = item.trimmed().toStdString();
        if (word == "all") {
            for (std::size_t key = 0; key < selection.pages.size(); ++key)
                if (IsPageBuilt(PageKinds::KindOfSwitch(key))) selection.pages[key] = 1;
            continue;
        }
        const PageKindEntry* e = PageKindOfWord(word);
        if (!e) {
            std::string words;
            for (const PageKindEntry& k : PageKindTable())
                if (k.word) words += std::string(words.empty() ? "" : ", ") + k.word;
            return "unknown page \"" + word + "\"; choose from " + words + " or all";
        }
        if (!e->draw) return "the " + word + " page is not available in this version";
        selection.pages[static_cast<std::size_t>(PageKinds::SwitchOfKind(e->firstKind))] = 1;
    }
    return {};
}

std::string SelectSpo2(const QString& type, PageSelection& selection) {
    // "Spo2 Page" values and the first page kind each one prints.
    const std::pair<const char*, std::pair<int, int>> types[] = {
        {"none", {0, 0}},
        {"summary", {1, PageKinds::Spo2Summary}},
        {"full", {2, PageKinds::FirstSpo2FullPage}},
        {"quantitative", {3, PageKinds::Spo2Quantitative}},
        {"strip", {4, PageKinds::Spo2StripChart}}};
    for (const auto& [word, value] : types) {
        if (type != QLatin1String(word)) continue;
        if (value.first != 0 && !IsPageBuilt(value.second))
            return "the SpO2 report pages are not available in this version";
        selection.spo2Page = value.first;
        return {};
    }
    return "--spo2 takes none, summary, full, quantitative or strip";
}

// The options' page selection, thresholds, guideline and title. Empty result: fine.
std::string ReportSettings(const ReportCliOptions& o, ReportOptions& report,
                           BpThresholds& thresholds, ClinicalGuideline& guideline) {
    report.selection = StartUpPageSelection();
    if (o.configPath) {
        if (!IsRegularFile(*o.configPath)) return *o.configPath + ": no such configuration file";
        const CIniDocument doc(*o.configPath);
        if (!doc.isReadable()) return *o.configPath + ": cannot read the configuration file";
        thresholds = ConfigStore::CurrentThresholdsIn(doc);
        guideline = ConfigGuideline(doc, "report");
        report.selection = ReadPageSelection(doc);
        if (const std::string user = CurrentUserName(doc); !user.empty())
            report.title =
                FromGbk(ReadReportTitle(ConfigStore(*o.configPath).reportFilePath(user)));
    }
    if (o.pages)
        if (std::string error = SelectPages(*o.pages, report.selection); !error.empty())
            return error;
    if (o.spo2)
        if (std::string error = SelectSpo2(*o.spo2, report.selection); !error.empty()) return error;
    const std::pair<const char*, ChartPeriod> periods[] = {
        {"all", ChartPeriod::All}, {"day", ChartPeriod::Awake}, {"night", ChartPeriod::Asleep}};
    bool known = false;
    for (const auto& [word, period] : periods)
        if (o.period == QLatin1String(word)) {
            report.chartPeriod = period;
            known = true;
        }
    if (!known) return "--period takes all, day or night";
    if (o.paper != "a4" && o.paper != "letter") return "--paper takes a4 or letter";
    // The seconds of one strip of the SpO2 full report, as the trend's window gives them on
    // screen.
    bool ok = false;
    report.spo2Window = o.window.toInt(&ok);
    if (!ok || report.spo2Window < 1)
        return "--window takes the seconds of one strip, a whole number of 1 or more";
    if (o.guideline) {
        const auto chosen = GuidelineOption(*o.guideline);
        if (!chosen) return "--guideline takes esh2023 or accaha2017";
        guideline = *chosen;
    }
    report.screenDpi = kDesignScreenDpi;
    return {};
}

int RunReport(const QStringList& args) {
    ReportCliOptions o;
    if (std::string error = ParseOptions(args, o); !error.empty()) return Fail(kBadInput, error);
    ReportOptions report;
    BpThresholds thresholds;
    ClinicalGuideline guideline = kDefaultGuideline;
    if (std::string error = ReportSettings(o, report, thresholds, guideline); !error.empty())
        return Fail(kBadInput, error);
    if (std::string error = CheckRecord(o.recordPath); !error.empty())
        return Fail(kBadInput, error);

    // The state is large (the record and three sets of copies): keep it off the stack.
    auto state = std::make_unique<AppState>();
    if (!state->openRecord(o.recordPath, thresholds))
        return Fail(kBadInput, o.recordPath + ": cannot read the file");
    state->guideline = guideline;
    ReportRun run(*state, report);
    if (!run.leftOut().empty()) {
        std::string words;
        for (int kind : run.leftOut())
            if (words.find(WordOf(kind)) == std::string::npos)
                words += (words.empty() ? "" : ", ") + WordOf(kind);
        std::fprintf(stderr, "abpm-cli report: left out, not available in this version: %s\n",
                     words.c_str());
    }
    if (run.pageCount() == 0)
        return Fail(kBadInput, "the selection holds no page for this record (see --pages)");
    const QPageSize paper(o.paper == "letter" ? QPageSize::Letter : QPageSize::A4);
    QString error;
    if (!WriteReportPdf(run, o.pdfPath, paper, &error))
        return Fail(kCannotWrite, FileName(o.pdfPath) + ": " + error.toStdString());
    return 0;
}

const CliCommandRegistration registration({"report", kUsage, RunReport, true});

} // namespace
