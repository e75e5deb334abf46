// Reading and analysing a long SpO2 series, as opening a record does. Goals: a day (86,400
// samples) under 30 ms, a week (604,800 samples) under 200 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "CIniDocument.h"
#include "Spo2Analysis.h"
#include "Spo2Series.h"
#include "TempFolder.h"

namespace {

// A night-like signal: baseline 96, a desaturation of 11 points every ten minutes after a
// short rise to 97, and a second without data every 997 s, so the scan meets plateaus,
// rises, accepted falls and gaps.
int Spo2At(int i) {
    if (i % 997 == 0) return 0;
    const int phase = i % 600;
    if (phase >= 290 && phase < 300) return 97;
    if (phase >= 300 && phase < 324) return 96 - (phase - 300) / 2;
    return 96;
}

int PulseAt(int i) {
    if (i % 997 == 0) return 0;
    return 60 + (i / 53) % 7;
}

std::string WriteRecord(const std::string& folder, int seconds) {
    const std::string path = folder + "/bench-" + std::to_string(seconds) + ".awp";
    CIniDocument doc(path, 1);
    std::string pack;
    pack.reserve(static_cast<std::size_t>(seconds) * 12 + 8);
    int count = 0;
    char rec[16];
    for (int i = 0; i < seconds; ++i) {
        if (Spo2At(i) == 0) continue;
        std::snprintf(rec, sizeof rec, "%02X%02X%08X", Spo2At(i), PulseAt(i), i + 1);
        pack += rec;
        ++count;
    }
    std::snprintf(rec, sizeof rec, "%08X", seconds);
    pack += rec;
    doc.WriteInt("PATIENT DATA", "Test Count", 1);
    doc.WriteInt("SPO2 DATA", "YearBegin", 2026);
    doc.WriteInt("SPO2 DATA", "DataCount", count);
    doc.WriteString("SPO2 DATA", "DATA PACK", pack);
    if (!doc.Save()) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return path;
}

void ReadAndAnalyse(benchmark::State& state) {
    const int seconds = static_cast<int>(state.range(0));
    const TempFolder folder;
    if (folder.path().empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = WriteRecord(folder.path(), seconds);
    Spo2Series series;
    Spo2Analysis analysis;
    for (auto _ : state) {
        const CIniDocument doc(path);
        if (ReadSpo2Series(doc, series) != Spo2ReadResult::Loaded) {
            state.SkipWithError("series not loaded");
            break;
        }
        analysis.analyse(series);
        benchmark::DoNotOptimize(analysis.eventCount());
    }
    state.counters["events"] = analysis.eventCount();
    state.counters["samples"] = static_cast<double>(analysis.seriesLength());
}

} // namespace

BENCHMARK(ReadAndAnalyse)->Arg(86400)->Arg(604800)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
