// One redraw of each display of the main view at 1920 x 1080 with a record of 1,024 readings:
// the bar charts, the pie charts and the fit line each under 16 ms, a hover repaint of the BP
// trend with its reading box under 8 ms. Run under the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "AppState.h"
#include "COBLView.h"

namespace {

constexpr QSize kScreen(1920, 1080);

// Three days of readings every 4 minutes (the recorder's fullest memory), pressures and
// heart rate wandering so that every bin and slice has readings.
void LoadRecord(AppState& state) {
    PatientRecord& record = state.record;
    TestRecord& test = record.test;
    test.section = "TEST 1";
    test.hourBegin = 8;
    test.startMinuteOfDay = 8 * 60;
    test.awakeStartMinute = 7 * 60;
    test.asleepStartMinute = 22 * 60;
    test.yearBegin = 2026;
    test.monthBegin = 3;
    test.dayBegin = 1;
    test.readingCount = kMaxReadings;
    for (int i = 0; i < kMaxReadings; ++i) {
        BpReading& r = test.readings[static_cast<std::size_t>(i)];
        r.number = i;
        r.systolic = 95 + (i * 37) % 90;
        r.diastolic = 55 + (i * 23) % 50;
        r.pulseRate = 50 + (i * 17) % 60;
        r.meanPressure = (r.systolic + 2 * r.diastolic) / 3;
        r.minutesFromStart = 4 * i;
        r.included = i % 50 == 7 ? 0 : 1;
    }
    record.isLoaded = 1;
}

struct Screen {
    AppState state;
    COBLView view{state};

    Screen() {
        LoadRecord(state);
        view.resize(kScreen);
        view.show();
        view.recordChanged();
        QApplication::processEvents();
    }
};

void Redraw(benchmark::State& bench, COBLView::DisplayMode mode) {
    Screen screen;
    screen.view.setDisplayMode(mode);
    for (auto _ : bench)
        screen.view.repaint();
}

void BarCharts(benchmark::State& bench) {
    Redraw(bench, COBLView::BarCharts);
}
void PieCharts(benchmark::State& bench) {
    Redraw(bench, COBLView::PieCharts);
}
void FitLine(benchmark::State& bench) {
    Redraw(bench, COBLView::FitLine);
}

// The pointer moves between two readings; each move repaints the trend with the box.
void TrendHover(benchmark::State& bench) {
    Screen screen;
    const QPointF points[] = {{700, 500}, {900, 500}};
    int k = 0;
    for (auto _ : bench) {
        const QPointF at = points[k++ % 2];
        QMouseEvent move(QEvent::MouseMove, at, screen.view.mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&screen.view, &move);
        screen.view.repaint();
    }
    if (screen.view.hoveredReading() < 0) bench.SkipWithError("no reading hovered");
}

} // namespace

BENCHMARK(BarCharts)->Unit(benchmark::kMillisecond);
BENCHMARK(PieCharts)->Unit(benchmark::kMillisecond);
BENCHMARK(FitLine)->Unit(benchmark::kMillisecond);
BENCHMARK(TrendHover)->Unit(benchmark::kMillisecond);
