// abpm-cli download: fetch recorder memories into new record files, on the same core as the
// window program's download.
#include <QString>
#include <cstdio>
#include <filesystem>

#include "CliCommand.h"
#include "DeviceCliSupport.h"
#include "DownloadSession.h"
#include "TracedSerialChannel.h"

namespace {

using namespace DeviceCli;

const char* const kName = "download";

class PrintingObserver : public DownloadObserver {
  public:
    PrintingObserver(RetryPolicy& retry, std::string port)
        : m_retry(retry), m_port(std::move(port)), m_tty(IsTerminal(1)) {}

    void progress(int total, int done) override {
        if (m_tty) std::printf("\rreceived %d of %d readings", done, total);
        if (done == total) std::printf(m_tty ? "\n" : "received %d of %d readings\n", done, total);
        std::fflush(stdout);
    }
    bool retryAfterNoDevice(const std::vector<PortFault>& faults) override {
        return m_retry.retry(NoRecorderText(m_port, faults));
    }
    void noData() override {
        std::fprintf(stderr, "abpm-cli download: no blood-pressure data received; port closed\n");
    }
    void userHasNoData(int user) override {
        std::printf("user %d has no blood-pressure data\n", user);
    }
    void unknownUserByte(int user, std::uint8_t byte) override {
        std::fprintf(
            stderr,
            "abpm-cli download: damaged transfer: unknown user byte 0x%02X where user %d's "
            "memory should begin; what follows may be out of step\n",
            byte, user);
    }
    void fileSaved(const SavedMemory& m) override {
        std::printf("File was saved : \"%s\"\n", m.path.c_str());
        if (m.damaged > 0)
            std::printf("%d reading(s) were read out of step (impossible times) and were stored "
                        "as failed readings\n",
                        m.damaged);
        if (m.incomplete > 0)
            std::printf("%d reading(s) arrived incomplete and were stored as failed readings\n",
                        m.incomplete);
        m_damaged += m.damaged;
        m_incomplete += m.incomplete;
        std::fflush(stdout);
    }
    void nothingIntact(int user, int readings) override {
        std::fprintf(stderr,
                     "abpm-cli download: none of the %d reading(s) of user %d arrived intact; "
                     "no file was written; download again\n",
                     readings, user);
    }
    std::string folderAfterFailedSave(const std::string& path, int) override {
        std::fprintf(stderr, "abpm-cli download: could not write \"%s\"\n", path.c_str());
        return {};
    }
    bool discardUnsaved(int user, int readings) override {
        std::fprintf(stderr, "abpm-cli download: the %d reading(s) of user %d were not saved\n",
                     readings, user);
        return true;
    }
    void linkLost(const LinkLoss& loss) override {
        std::string text = "abpm-cli download: the recorder stopped sending";
        if (loss.expected >= 0)
            text += ": user " + std::to_string(loss.user) + ", " + std::to_string(loss.received) +
                    " of " + std::to_string(loss.expected) + " readings received whole";
        if (!loss.notDownloaded.empty()) {
            text += "; not downloaded: user";
            for (std::size_t i = 0; i < loss.notDownloaded.size(); ++i)
                text += (i ? ", " : " ") + std::to_string(loss.notDownloaded[i]);
        }
        std::fprintf(stderr, "%s; port closed\n", text.c_str());
    }
    void outOfStep() override {
        std::fprintf(stderr, "abpm-cli download: the recorder sent more than its memories "
                             "announced: the transfer was out of step and what was reported "
                             "may be wrong; download again\n");
    }

    int damaged() const { return m_damaged; }
    int incomplete() const { return m_incomplete; }

  private:
    RetryPolicy& m_retry;
    std::string m_port;
    bool m_tty;
    int m_damaged = 0;
    int m_incomplete = 0;
};

int ExitStatusOf(DownloadOutcome outcome) {
    switch (outcome) {
    case DownloadOutcome::Completed:
        return kOk;
    case DownloadOutcome::Damaged:
        return kDamaged;
    case DownloadOutcome::NoDevice:
        return kNoRecorder;
    case DownloadOutcome::NoData:
        return kEmptyMemory;
    case DownloadOutcome::SaveFailed:
        return kWriteFailed;
    case DownloadOutcome::LinkLost:
        return kLinkFailed;
    }
    return kLinkFailed;
}

int ParseSelection(const QString& user) {
    if (user == "all") return 4;
    if (user == "1" || user == "2" || user == "3") return user.toInt();
    return 0;
}

const char* const kHelp =
    "usage: abpm-cli download --port PATH [--user 1|2|3|all] [--out DIR] [--retries N]\n"
    "                         [--trace FILE]\n"
    "Reads recorder memories into new record files named after the user and the download\n"
    "time. --user defaults to 1, --out to the current folder; --retries probes again that\n"
    "many times when no recorder answers (on a terminal without it, you are asked);\n"
    "--trace appends every byte sent and received, with its time, to FILE.\n"
    "Readings that arrive out of step (a byte lost on the line) are stored as failed readings.\n"
    "Exit status: 0 every reading saved intact, 2 bad input, 3 no recorder (the port missing,\n"
    "in use or silent), 4 empty memory, 5 write failure, 6 the recorder stopped sending,\n"
    "7 the transfer was damaged (saved files hold damaged readings, or a memory could not\n"
    "be read).\n";

int RunDownload(const QStringList& args) {
    if (args.contains("--help")) {
        std::fputs(kHelp, stdout);
        return kOk;
    }
    Options options(args);
    const std::optional<QString> port = options.take("--port");
    const QString user = options.take("--user").value_or("1");
    const QString out = options.take("--out").value_or(".");
    const std::optional<QString> trace = options.take("--trace");
    const std::optional<QString> retries = options.take("--retries");
    if (!options.leftover().isEmpty()) return Fail(kName, options.leftover());
    if (!port || port->isEmpty()) return Fail(kName, "--port PATH is required");
    const int selection = ParseSelection(user);
    if (selection == 0) return Fail(kName, "--user is 1, 2, 3 or all");
    bool retriesOk = true;
    const int retryCount = retries ? retries->toInt(&retriesOk) : 0;
    if (!retriesOk || retryCount < 0) return Fail(kName, "--retries wants a count");
    std::error_code ec;
    if (!std::filesystem::is_directory(FileName(out), ec))
        return Fail(kName, "no such folder: " + out);

    TracedSerialChannel link(trace ? FileName(*trace) : std::string());
    if (!link.traceOk()) return Fail(kName, "cannot write the trace file " + *trace, kWriteFailed);
    RetryPolicy policy(retries ? std::optional<int>(retryCount) : std::nullopt, kName);
    const std::string path = FileName(*port);
    PrintingObserver observer(policy, path);
    DownloadSession session(
        link.channel(), [path] { return std::vector<std::string>{path}; }, observer,
        DeviceTiming::System());
    const DownloadOutcome outcome = session.run(selection, FileName(out));
    if (outcome == DownloadOutcome::NoDevice)
        return Fail(kName, QString::fromStdString(NoRecorderText(path, session.portFaults())),
                    kNoRecorder);
    if (observer.damaged() > 0 || observer.incomplete() > 0)
        std::fprintf(stderr,
                     "abpm-cli download: saved files hold %d damaged and %d incomplete "
                     "reading(s), stored as failed readings\n",
                     observer.damaged(), observer.incomplete());
    return ExitStatusOf(outcome);
}

const CliCommandRegistration kRegistration({
    kName,
    "download --port PATH [--user 1|2|3|all] [--out DIR] [--retries N] [--trace FILE]",
    RunDownload,
});

} // namespace
