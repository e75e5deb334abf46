// Paging the SpO2 trend of a 7-day series at 1920 x 1080: each page move redraws the view,
// goal under 16 ms, for the 10-minute and the 1-hour window; and a change of window, which
// builds the week's curves again. Run under the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "AppState.h"
#include "COBLView.h"
#include "Spo2TrendDisplay.h"

namespace {

constexpr QSize kScreen(1920, 1080);
constexpr int kSeconds = 7 * 86400;

// A week of samples: SpO2 around 95 with a fall of 8 points every 7 minutes, pulse wandering,
// and a minute without data every few hours, so every page has events and gaps.
void LoadSeries(AppState& state) {
    Spo2Series& s = state.spo2;
    s.year = 2026, s.month = 3, s.day = 1, s.hour = 22;
    s.spo2.resize(kSeconds);
    s.pulse.resize(kSeconds);
    for (int i = 0; i < kSeconds; ++i) {
        const int inCycle = i % 420;
        const int fall = inCycle < 30 ? inCycle / 4 : 0;
        const bool gap = i % 10000 < 60;
        s.spo2[std::size_t(i)] = gap ? 0 : std::uint8_t(96 - fall - (i / 97) % 2);
        s.pulse[std::size_t(i)] = gap ? 0 : std::uint8_t(60 + (i / 13) % 25);
    }
    state.spo2Analysis.analyse(s);
    state.record.isLoaded = 1;
}

// The main view at 1920 x 1080 showing the week's SpO2 trend.
struct Screen {
    AppState state;
    COBLView view{state};

    Screen() {
        LoadSeries(state);
        view.resize(kScreen);
        view.show();
        view.recordChanged();
        QApplication::processEvents();
        view.setDisplayMode(COBLView::Spo2Trend);
    }
    Spo2TrendDisplay& trend() { return *view.spo2Trend(); }
};

void PageRight(benchmark::State& bench, Spo2TrendState::Selector window) {
    Screen screen;
    Spo2TrendDisplay& trend = screen.trend();
    trend.chooseWindow(window);
    screen.view.repaint();
    for (auto _ : bench) {
        // Back to the start when the end is reached, outside the measurement.
        if (trend.trend().offset + trend.trend().window >= kSeconds) {
            bench.PauseTiming();
            while (trend.trend().offset > 0)
                trend.move(Spo2TrendDisplay::PageLeft);
            screen.view.repaint();
            bench.ResumeTiming();
        }
        trend.move(Spo2TrendDisplay::PageRight);
        screen.view.repaint();
    }
}

void TenMinuteWindow(benchmark::State& bench) {
    PageRight(bench, Spo2TrendState::TenMinutes);
}
void OneHourWindow(benchmark::State& bench) {
    PageRight(bench, Spo2TrendState::OneHour);
}

// A change of window builds the curves of the whole week again before the redraw.
void WindowChange(benchmark::State& bench) {
    Screen screen;
    int k = 0;
    for (auto _ : bench) {
        screen.trend().chooseWindow(k++ % 2 ? Spo2TrendState::OneHour : Spo2TrendState::TenMinutes);
        screen.view.repaint();
    }
}

} // namespace

BENCHMARK(TenMinuteWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(OneHourWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowChange)->Unit(benchmark::kMillisecond);
