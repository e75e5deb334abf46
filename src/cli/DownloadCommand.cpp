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
    explicit PrintingObserver(RetryPolicy& retry) : m_retry(retry), m_tty(IsTerminal(1)) {}

    void progress(int total, int done) override {
        if (m_tty) std::printf("\rreceived %d of %d readings", done, total);
        if (done == total) std::printf(m_tty ? "\n" : "received %d of %d readings\n", done, total);
        std::fflush(stdout);
    }
    bool retryAfterNoDevice() override { return m_retry.retry(); }
    void noData() override {
        std::fprintf(stderr, "abpm-cli download: no blood-pressure data received; port closed\n");
    }
    void userHasNoData(int user) override {
        std::printf("user %d has no blood-pressure data\n", user);
    }
    void fileSaved(const std::string& path, int incomplete) override {
        std::printf("File was saved : \"%s\"\n", path.c_str());
        if (incomplete > 0)
            std::printf("%d reading(s) arrived incomplete and were stored as failed readings\n",
                        incomplete);
    }
    std::string folderAfterFailedSave(const std::string& path) override {
        std::fprintf(stderr, "abpm-cli download: could not write \"%s\"\n", path.c_str());
        return {};
    }
    void linkLost(int user, int received, int expected) override {
        std::fprintf(stderr,
                     "abpm-cli download: the recorder stopped sending: user %d, %d of %d "
                     "readings received; port closed\n",
                     user, received, expected);
    }

  private:
    RetryPolicy& m_retry;
    bool m_tty;
};

int ExitStatusOf(DownloadOutcome outcome) {
    switch (outcome) {
    case DownloadOutcome::Completed:
        return kOk;
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
    "Exit status: 0 saved, 2 bad input, 3 no recorder, 4 empty memory, 5 write failure,\n"
    "6 the recorder stopped sending.\n";

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
        return Fail(kName, "no such folder: " + out, kWriteFailed);

    TracedSerialChannel link(trace ? FileName(*trace) : std::string());
    if (!link.traceOk()) return Fail(kName, "cannot write the trace file " + *trace, kWriteFailed);
    RetryPolicy policy(retries ? std::optional<int>(retryCount) : std::nullopt, kName);
    PrintingObserver observer(policy);
    const std::string path = FileName(*port);
    DownloadSession session(
        link.channel(), [path] { return std::vector<std::string>{path}; }, observer,
        DeviceTiming::System());
    const DownloadOutcome outcome = session.run(selection, FileName(out));
    if (outcome == DownloadOutcome::NoDevice)
        return Fail(kName, "no recorder answered on " + *port, kNoRecorder);
    return ExitStatusOf(outcome);
}

const CliCommandRegistration kRegistration({
    kName,
    "download --port PATH [--user 1|2|3|all] [--out DIR] [--retries N] [--trace FILE]",
    RunDownload,
});

} // namespace
