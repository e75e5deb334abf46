// A full download of one memory of 255 readings from tools/recorder-sim at 9600 baud. The
// goal: within 110 % of the wire time, 3063 bytes (echo, user byte, count, 255 records of 12)
// at 960 bytes per second = 3.19 s. The counter "of_wire_time" is that ratio.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "DownloadSession.h"
#include "SerialChannel.h"

namespace {

constexpr double kWireSeconds = 3063.0 / 960.0;

struct NoQuestions : DownloadObserver {
    void progress(int, int) override {}
    bool retryAfterNoDevice(const std::vector<PortFault>&) override { return false; }
    void noData() override {}
    void userHasNoData(int) override {}
    void unknownUserByte(int, std::uint8_t) override {}
    void fileSaved(const SavedMemory&) override {}
    void nothingIntact(int, int) override {}
    std::string folderAfterFailedSave(const std::string&, int) override { return {}; }
    bool discardUnsaved(int, int) override { return true; }
    void linkLost(const LinkLoss&) override {}
    void outOfStep() override {}
};

// The simulator as a child process; its first output line is the terminal to open.
class Simulator {
  public:
    Simulator() {
        int out[2];
        if (::pipe(out) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], 1);
            ::close(out[0]);
            ::execl(RECORDER_SIM, RECORDER_SIM, "--generate", "255,0,0", "--baud", "9600",
                    "--exit-after", "600", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        char c = 0;
        while (::read(out[0], &c, 1) == 1 && c != '\n')
            m_port += c;
        m_out = out[0];
    }
    ~Simulator() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0) ::close(m_out);
    }
    const std::string& port() const { return m_port; }

  private:
    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_port;
};

void BM_Download255ReadingsAt9600Baud(benchmark::State& state) {
    Simulator sim;
    const std::string folder =
        (std::filesystem::temp_directory_path() / "abpm-download-bench").string();
    std::filesystem::create_directories(folder);
    SerialChannel channel;
    NoQuestions observer;
    const DeviceTiming timing = DeviceTiming::System();
    for (auto _ : state) {
        DownloadSession session(
            channel, [&] { return std::vector<std::string>{sim.port()}; }, observer, timing);
        if (session.run(1, folder) != DownloadOutcome::Completed) {
            state.SkipWithError("download failed");
            break;
        }
    }
    std::filesystem::remove_all(folder);
    state.counters["wire_seconds"] = kWireSeconds;
}

} // namespace

BENCHMARK(BM_Download255ReadingsAt9600Baud)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ComputeStatistics(
        "of_wire_time",
        [](const std::vector<double>& v) {
            double sum = 0;
            for (double x : v)
                sum += x;
            return sum / v.size() / kWireSeconds;
        },
        benchmark::StatisticUnit::kPercentage);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // QSerialPort wants one
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
