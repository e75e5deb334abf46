// abpm-cli report measured as a whole process (start, load, analysis, drawing, PDF): a
// 1,024-reading record with every text page and its 23 data pages, goal under 1.5 s; every BP
// page with the data pages, goal under 2 s; the 49-page full SpO2 report of a 24-hour series
// in 600-second strips, goal under 5 s.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "ReadingText.h"

namespace {

// 1,024 readings every 15 minutes from 08:00, with a comment now and then.
std::string RecordText() {
    std::string s = "[PATIENT DATA]\r\nName=Bench\r\nID=B-1\r\nAddr Count=2\r\nAddr1=Street 1\r\n"
                    "Addr2=Town\r\nTest Count=1\r\n[TEST 1]\r\nHourBegin=8\r\nMinBegin=0\r\n"
                    "DayBegin=1\r\nMonthBegin=3\r\nYearBegin=2026\r\n"
                    "TestBeginDate=1/3/2026 8:00\r\nCount=1024\r\n";
    for (int i = 0; i < 1024; ++i) {
        ReadingText::Fields f;
        f.systolic = 105 + (i * 7) % 50;
        f.diastolic = 65 + (i * 5) % 30;
        f.pulseRate = 55 + (i * 3) % 40;
        f.meanPressure = (f.systolic + 2 * f.diastolic) / 3;
        f.minutesFromStart = 15 * i;
        s += std::to_string(i + 1) + "=" + ReadingText::Encode(f) + "\r\n";
        if (i % 20 == 0) s += std::string("C").append(std::to_string(i + 1)) + "=after a walk\r\n";
    }
    return s;
}

// A day of SpO2 samples: around 95 % with a fall of 8 points every 7 minutes, the pulse
// wandering, a minute without data every few hours.
std::string Spo2Section() {
    constexpr int kSeconds = 86400;
    std::string pack;
    int count = 0;
    for (int i = 0; i < kSeconds; ++i) {
        if (i % 10000 < 60) continue;
        const int inCycle = i % 420;
        const int spo2 = 96 - (inCycle < 30 ? inCycle / 4 : 0) - (i / 97) % 2;
        const int pulse = 60 + (i / 13) % 25;
        char record[16];
        std::snprintf(record, sizeof record, "%02X%02X%08X", spo2, pulse, i + 1);
        pack += record;
        ++count;
    }
    char trailer[16];
    std::snprintf(trailer, sizeof trailer, "%08X", kSeconds);
    return "[SPO2 DATA]\r\nYearBegin=2026\r\nMonthBegin=3\r\nDayBegin=1\r\nHourBegin=8\r\n"
           "MinBegin=0\r\nSecBegin=0\r\nDataCount=" +
           std::to_string(count) + "\r\nDATA PACK=" + pack + trailer + "\r\n";
}

int RunReport(const std::vector<std::string>& args) {
    std::vector<char*> argv = {const_cast<char*>(ABPM_CLI), const_cast<char*>("report")};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execv(ABPM_CLI, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int PdfPages(const std::string& pdf) {
    std::ifstream in(pdf, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    int pages = 0;
    for (std::size_t at = written.find("/Type /Page\n"); at != std::string::npos;
         at = written.find("/Type /Page\n", at + 1))
        ++pages;
    return pages;
}

// Writes the record, runs the report with the options after "--pdf" and counts the pages.
void MeasureReport(benchmark::State& state, const std::string& recordText,
                   const std::vector<std::string>& options) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        std::string("abpm-report-bench-").append(std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string record = (folder / "bench.awp").string();
    const std::string pdf = (folder / "bench.pdf").string();
    std::ofstream(record, std::ios::binary) << recordText;
    std::vector<std::string> args = {record, "--pdf", pdf};
    args.insert(args.end(), options.begin(), options.end());
    for (auto _ : state) {
        if (RunReport(args) != 0) {
            state.SkipWithError("abpm-cli report failed");
            break;
        }
    }
    state.counters["pages"] = PdfPages(pdf);
    std::filesystem::remove_all(folder);
}

// 3 text pages and ceil(1024 / 45) = 23 data pages.
void BM_Report1024ReadingsTextAndDataPages(benchmark::State& state) {
    MeasureReport(state, RecordText(), {"--pages", "demographics,statistics,summary,data"});
}

// All 10 BP pages and the 23 data pages.
void BM_Report1024ReadingsEveryBpAndDataPage(benchmark::State& state) {
    MeasureReport(state, RecordText(), {"--pages", "all"});
}

// The patient data page and 86400 / (3 * 600) + 1 = 49 pages of strips.
void BM_ReportFullSpo2Of24Hours(benchmark::State& state) {
    MeasureReport(state, RecordText() + Spo2Section(),
                  {"--pages", "demographics", "--spo2", "full", "--window", "600"});
}

} // namespace

BENCHMARK(BM_Report1024ReadingsTextAndDataPages)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(3);

BENCHMARK(BM_Report1024ReadingsEveryBpAndDataPage)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(3);
BENCHMARK(BM_ReportFullSpo2Of24Hours)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2)
    ->Repetitions(3);

BENCHMARK_MAIN();
