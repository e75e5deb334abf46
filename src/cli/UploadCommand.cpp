// abpm-cli upload: program a recorder with a measurement plan, on the same core as the window
// program's upload.
#include <QDateTime>
#include <QString>
#include <cstdio>
#include <ctime>

#include "CliCommand.h"
#include "DeviceCliSupport.h"
#include "GbkText.h"
#include "MeasurementPlan.h"
#include "TracedSerialChannel.h"
#include "UploadSession.h"

namespace {

using namespace DeviceCli;

const char* const kName = "upload";

const char* const kHelp =
    "usage: abpm-cli upload --port PATH --kind 0|1|2 --name NAME --id ID [PLAN] [--retries N]\n"
    "                       [--trace FILE]\n"
    "Kinds 0 (ZEM-ABPM) and 1 (VELORA07 ambulatory) take the plan options, with the plan\n"
    "dialog's defaults:\n"
    "  --awake HH:MM (07:00) --asleep HH:MM (22:00)   half-hour times\n"
    "  --awake-interval MIN (5) --asleep-interval MIN (30)\n"
    "  --special-start HH:MM --special-end HH:MM --special-interval MIN (none)\n"
    "  --display on|off (on) --start-key on|off (on)\n"
    "  intervals: none, 5, 10, 15, 20, 30, 45, 60, 90, 120 minutes\n"
    "  name at most 29 bytes, identifier at most 10 bytes (GBK)\n"
    "Kind 2 (VELORA07 monitoring) takes --clock \"YYYY-MM-DD HH:MM:SS\" for the recorder clock.\n"
    "Exit status: 0 sent, 2 bad input, 3 no recorder, 6 acknowledgement lost.\n";

class PrintingObserver : public UploadObserver {
  public:
    PrintingObserver(RetryPolicy& retry, std::string port)
        : m_retry(retry), m_port(std::move(port)), m_tty(IsTerminal(1)) {}
    void progress(int total, int acknowledged) override {
        if (m_tty) std::printf("\rsent %d of %d plan bytes", acknowledged, total);
        if (acknowledged == total)
            std::printf(m_tty ? "\n" : "sent %d of %d plan bytes\n", acknowledged, total);
        std::fflush(stdout);
    }
    bool retryAfterNoDevice(const std::vector<PortFault>& faults) override {
        return m_retry.retry(NoRecorderText(m_port, faults));
    }

  private:
    RetryPolicy& m_retry;
    std::string m_port;
    bool m_tty;
};

// Half-hour slot of "HH:MM", -1 when it is not a half hour of the day.
int HalfHour(const QString& text) {
    const QStringList parts = text.split(':');
    bool okH = false, okM = false;
    if (parts.size() != 2) return -1;
    const int h = parts[0].toInt(&okH), m = parts[1].toInt(&okM);
    if (!okH || !okM || h < 0 || h > 23 || (m != 0 && m != 30)) return -1;
    return h * 2 + m / 30;
}

int IntervalPosition(const QString& text) {
    if (text == "none") return 0;
    bool ok = false;
    const int minutes = text.toInt(&ok);
    return ok ? PlanChoices::IntervalPosition(minutes) : -1;
}

int Switch(const QString& text) {
    return text == "on" ? 0 : text == "off" ? 1 : -1;
}

// Empty when fine, else the message.
QString ReadPlanOptions(Options& o, PlanChoices& c) {
    struct Slot {
        const char* option;
        int* target;
        int (*parse)(const QString&);
        int offset;
    };
    const Slot table[] = {
        {"--awake", &c.awakeTime, HalfHour, 0},
        {"--asleep", &c.asleepTime, HalfHour, 0},
        {"--special-start", &c.specialStart, HalfHour, 1},
        {"--special-end", &c.specialEnd, HalfHour, 1},
        {"--awake-interval", &c.awakeSpan, IntervalPosition, 0},
        {"--asleep-interval", &c.asleepSpan, IntervalPosition, 0},
        {"--special-interval", &c.specialSpan, IntervalPosition, 0},
        {"--display", &c.display, Switch, 0},
        {"--start-key", &c.startKey, Switch, 0},
    };
    for (const Slot& s : table) {
        const std::optional<QString> value = o.take(s.option);
        if (!value) continue;
        const int position = s.parse(*value);
        if (position < 0) return QString("bad value for %1: %2").arg(s.option, *value);
        *s.target = position + s.offset; // the special lists start with "none"
    }
    if ((c.specialStart == 0) != (c.specialEnd == 0))
        return "--special-start and --special-end go together";
    return {};
}

bool ParseClock(const QString& text, MonitoringClock& clock) {
    const QDateTime t = QDateTime::fromString(text, "yyyy-MM-dd HH:mm:ss");
    if (!t.isValid()) return false;
    clock = {t.date().year(), t.date().month(),  t.date().day(),
             t.time().hour(), t.time().minute(), t.time().second()};
    return true;
}

// Empty when fine, else the message; fills plan.
QString BuildPlan(Options& o, int kind, const std::string& name, const std::string& id,
                  MeasurementPlan& plan) {
    if (kind == 2) {
        const std::optional<QString> clockText = o.take("--clock");
        MonitoringClock clock;
        if (!clockText || !ParseClock(*clockText, clock))
            return "kind 2 needs --clock \"YYYY-MM-DD HH:MM:SS\"";
        plan = MeasurementPlan::Monitoring(name, id, clock);
        return {};
    }
    if (name.size() > 29) return "--name holds at most 29 bytes";
    if (id.size() > 10) return "--id holds at most 10 bytes";
    PlanChoices choices;
    choices.patientName = name;
    choices.patientId = id;
    const QString error = ReadPlanOptions(o, choices);
    if (!error.isEmpty()) return error;
    plan = MeasurementPlan::Ambulatory(
        choices, kind == 0 ? RecorderKind::ZemAbpm : RecorderKind::VeloraAmbulatory,
        std::time(nullptr));
    return {};
}

int ExitStatusOf(const UploadSession& session, UploadOutcome outcome, int total,
                 const std::string& port) {
    switch (outcome) {
    case UploadOutcome::Done:
        std::printf("operation complete\n");
        return kOk;
    case UploadOutcome::NoDevice:
        return Fail(kName, QString::fromStdString(NoRecorderText(port, session.portFaults())),
                    kNoRecorder);
    case UploadOutcome::AcknowledgementLost:
        return Fail(kName,
                    QString("connection failed after %1 of %2 bytes; port closed")
                        .arg(session.acknowledged())
                        .arg(total),
                    kLinkFailed);
    }
    return kLinkFailed;
}

int RunUpload(const QStringList& args) {
    if (args.contains("--help")) {
        std::fputs(kHelp, stdout);
        return kOk;
    }
    Options o(args);
    const std::optional<QString> port = o.take("--port");
    const QString kindText = o.take("--kind").value_or("");
    const std::string name = ToGbk(o.take("--name").value_or(""));
    const std::string id = ToGbk(o.take("--id").value_or(""));
    const std::optional<QString> trace = o.take("--trace");
    const std::optional<QString> retries = o.take("--retries");
    if (!port || port->isEmpty()) return Fail(kName, "--port PATH is required");
    if (kindText != "0" && kindText != "1" && kindText != "2")
        return Fail(kName, "--kind is 0, 1 or 2");
    if (name.empty()) return Fail(kName, "a patient name must be entered (--name)");
    if (id.empty()) return Fail(kName, "a patient ID must be entered (--id)");
    bool retriesOk = true;
    const int retryCount = retries ? retries->toInt(&retriesOk) : 0;
    if (!retriesOk || retryCount < 0) return Fail(kName, "--retries wants a count");
    MeasurementPlan plan;
    const QString error = BuildPlan(o, kindText.toInt(), name, id, plan);
    if (!error.isEmpty()) return Fail(kName, error);
    if (!o.leftover().isEmpty()) return Fail(kName, o.leftover());

    TracedSerialChannel link(trace ? FileName(*trace) : std::string());
    if (!link.traceOk()) return Fail(kName, "cannot write the trace file " + *trace, kWriteFailed);
    RetryPolicy policy(retries ? std::optional<int>(retryCount) : std::nullopt, kName);
    const std::string path = FileName(*port);
    PrintingObserver observer(policy, path);
    UploadSession session(
        link.channel(), [path] { return std::vector<std::string>{path}; }, observer,
        DeviceTiming::System());
    const UploadOutcome outcome = session.run(plan);
    return ExitStatusOf(session, outcome, plan.sentLength(), path);
}

const CliCommandRegistration kRegistration({
    kName,
    "upload --port PATH --kind 0|1|2 --name NAME --id ID [plan options | --clock TIME]",
    RunUpload,
});

} // namespace
