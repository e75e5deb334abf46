// Opening large patient records as the open command does: the store reads the file, the last
// test is loaded and the SpO2 series read and analysed. Goal: a 20 MB record under 1 s.
//
// Two shapes of about the given size in MB: a day of readings followed by a long SpO2 series
// (every missing comment key used to be searched to the end of the file), and a test behind a
// patient section of many address lines (every key of the test used to be searched from the
// start of the file).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "AppState.h"
#include "TempFolder.h"

namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

std::string TestSection() {
    std::string s = "[TEST 1]\r\nHourBegin=8\r\nMinBegin=0\r\nDayBegin=1\r\nMonthBegin=3\r\n"
                    "YearBegin=2026\r\nTestBeginDate=1/3/2026 8:00\r\nCount=1024\r\n";
    char line[64];
    for (int n = 1; n <= 1024; ++n) {
        const int minutes = 15 * (n - 1);
        std::snprintf(line, sizeof line, "%d=%02d%04X%02X%02X%02X%04d000000000\r\n", n,
                      minutes / 10000, 110 + n % 40, 70 + n % 20, 60 + n % 30, 90 + n % 25,
                      minutes % 10000);
        s += line;
    }
    return s;
}

std::string SpO2Section(std::size_t bytes) {
    const std::size_t samples = bytes / 12;
    std::string pack;
    pack.reserve(samples * 12 + 8);
    char rec[16];
    for (std::size_t i = 0; i < samples; ++i) {
        const int spo2 = i % 600 < 20 ? 88 : 96;
        std::snprintf(rec, sizeof rec, "%02X%02X%08X", spo2, 60 + static_cast<int>(i / 97 % 20),
                      static_cast<unsigned>(i + 1));
        pack += rec;
    }
    std::snprintf(rec, sizeof rec, "%08X", static_cast<unsigned>(samples));
    pack += rec;
    return "[SPO2 DATA]\r\nYearBegin=2026\r\nMonthBegin=3\r\nDayBegin=1\r\nHourBegin=22\r\n"
           "MinBegin=0\r\nSecBegin=0\r\nDataCount=" +
           std::to_string(samples) + "\r\nDATA PACK=" + pack + "\r\n";
}

std::string AddressLines(std::size_t bytes) {
    std::string s;
    s.reserve(bytes + 64);
    int n = 0;
    while (s.size() < bytes)
        s += "Addr" + std::to_string(++n) + "=Room 12, Ward 3, City Hospital, 100 Long Road\r\n";
    return "Addr Count=" + std::to_string(n) + "\r\n" + s;
}

std::string Record(int shape, std::size_t bytes) {
    const std::string patient = "[PATIENT DATA]\r\nName=Bench\r\nID=01\r\nTest Count=1\r\n";
    if (shape == 0) return patient + TestSection() + SpO2Section(bytes);
    return patient + AddressLines(bytes) + TestSection();
}

void OpenRecord(benchmark::State& state) {
    const TempFolder folder;
    if (folder.path().empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = folder.path() + "/large.awp";
    {
        std::ofstream out(path, std::ios::binary);
        out << Record(static_cast<int>(state.range(0)),
                      static_cast<std::size_t>(state.range(1)) * kMegabyte);
    }
    auto app = std::make_unique<AppState>(); // large: keep it off the stack
    for (auto _ : state) {
        if (!app->openRecord(path, BpThresholds{})) {
            state.SkipWithError("record not opened");
            break;
        }
        benchmark::DoNotOptimize(app->record.test.readings[1023].systolic);
    }
    state.counters["MB"] =
        static_cast<double>(std::filesystem::file_size(path)) / static_cast<double>(kMegabyte);
    state.counters["readings"] = app->record.test.readingCount;
    state.counters["spo2Samples"] = static_cast<double>(app->spo2.length());
}

} // namespace

BENCHMARK(OpenRecord)
    ->ArgNames({"shape", "MB"})
    ->Args({0, 20})
    ->Args({1, 20})
    ->Args({0, 60})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
