#include "TrendLayout.h"

#include <algorithm>

#include "ReadingSets.h"

namespace {

// Scale of the 1600 x 1000 design grid.
float ScaleX(QSize size) {
    return static_cast<float>(size.width()) * 0.000625f;
}
float ScaleY(QSize size) {
    return static_cast<float>(size.height()) * 0.001f;
}
int DesignY(QSize size, double units) {
    return static_cast<int>(units * ScaleY(size));
}

int ReadingCountOf(const TestRecord& test) {
    return std::clamp(test.readingCount, 0, kMaxReadings);
}

const BpReading& ReadingAt(const TestRecord& test, int i) {
    return test.readings[static_cast<std::size_t>(i)];
}

bool IsAwakeAt(const TestRecord& test, int minutesFromStart) {
    const int minute = ClockMinute(test.startMinuteOfDay, minutesFromStart);
    return !IsAsleep(minute, test.awakeStartMinute, test.asleepStartMinute);
}

void PlaceReadings(const TestRecord& test, TrendLayout& layout) {
    const int count = ReadingCountOf(test);
    const int axisWidth = 7 * layout.size.width() / 8;
    layout.plotRight = layout.x0() + axisWidth;
    layout.step = count > 0 ? static_cast<double>(axisWidth) / count : 0.0;
    layout.readingX.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        layout.readingX[static_cast<std::size_t>(i)] =
            static_cast<int>(layout.x0() + i * layout.step);
}

void PlaceBars(const TestRecord& test, TrendLayout& layout) {
    for (int i = 0; i < layout.readingCount(); ++i) {
        const BpReading& r = ReadingAt(test, i);
        if (!TakesPartInAnalysis(r)) continue;
        TrendBar bar;
        bar.index = i;
        bar.x = layout.readingX[static_cast<std::size_t>(i)];
        bar.ySystolic = layout.yOf(r.systolic);
        bar.yDiastolic = layout.yOf(r.diastolic);
        bar.yHeartRate = layout.yOf(r.pulseRate);
        layout.bars.push_back(bar);
        layout.heartRate << QPoint(bar.x, bar.yHeartRate);
    }
}

// The threshold lines step where the period changes. Readings are spaced by order, not by
// clock time, so a step is placed at the first reading of the new period: that way each
// threshold stands over the readings it is judged against.
void PlaceThresholds(const TestRecord& test, const BpThresholds& th, TrendLayout& layout) {
    if (layout.readingCount() == 0) return;
    auto sysY = [&](bool awake) { return layout.yOf(awake ? th.awakeSys : th.asleepSys); };
    auto diaY = [&](bool awake) { return layout.yOf(awake ? th.awakeDia : th.asleepDia); };
    bool awake = IsAwakeAt(test, 0);
    layout.systolicThreshold << QPoint(layout.x0(), sysY(awake));
    layout.diastolicThreshold << QPoint(layout.x0(), diaY(awake));
    for (int i = 0; i < layout.readingCount(); ++i) {
        const bool now = IsAwakeAt(test, ReadingAt(test, i).minutesFromStart);
        if (now == awake) continue;
        const int x = layout.readingX[static_cast<std::size_t>(i)];
        layout.systolicThreshold << QPoint(x, sysY(awake)) << QPoint(x, sysY(now));
        layout.diastolicThreshold << QPoint(x, diaY(awake)) << QPoint(x, diaY(now));
        awake = now;
    }
    layout.systolicThreshold << QPoint(layout.plotRight, sysY(awake));
    layout.diastolicThreshold << QPoint(layout.plotRight, diaY(awake));
}

void PlaceLabels(TrendLayout& layout) {
    const int count = (layout.range.vMax - layout.range.vMin) / 10 + 4;
    for (int k = 1; k <= count; ++k) {
        const int value = layout.lowestLabel + 10 * k;
        const int y = layout.yOf(value);
        if (y >= layout.frameTop()) layout.labels.push_back({value, y});
        const int halfY = layout.yOf(value + 5);
        if (halfY >= layout.frameTop()) layout.halfTicks.push_back(halfY);
    }
}

} // namespace

TrendFrame ScreenTrendFrame(QSize size) {
    return {size.width() / 20, (size.height() - 40) * 21 / 25, DesignY(size, 80), 1.0};
}

TrendFrame PrintTrendFrame(QSize size) {
    return {size.width() / 20, size.height() * 17 / 25, size.height() * 3 / 22 + DesignY(size, 80),
            0.5};
}

TrendValueRange ValueRangeOf(const TestRecord& test, const BpThresholds& thresholds) {
    bool any = false;
    TrendValueRange range;
    for (int i = 0; i < ReadingCountOf(test); ++i) {
        const BpReading& r = ReadingAt(test, i);
        if (!TakesPartInAnalysis(r)) continue;
        const int low = std::min(r.diastolic, r.pulseRate);
        range.vMax = any ? std::max(range.vMax, r.systolic) : r.systolic;
        range.vMin = any ? std::min(range.vMin, low) : low;
        any = true;
    }
    // Without analysed readings the lower value falls back as if all lay above the threshold.
    if (!any) range.vMin = thresholds.awakeDia + 1;
    if (range.vMax >= thresholds.awakeSys)
        range.vMax += 5;
    else
        range.vMax = thresholds.awakeSys + 5;
    if (range.vMin > thresholds.awakeDia) range.vMin = thresholds.awakeDia - 10;
    if (range.vMax < 120) range.vMax = 140;
    return range;
}

int TrendLayout::yOf(int value) const {
    return static_cast<int>(frame.y0 -
                            (value - lowestLabel) * pixelsPerMmHg * frame.verticalFactor);
}

TrendLayout LayoutTrend(const PatientRecord& record, QSize size, const TrendFrame& frame) {
    const TestRecord& test = record.test;
    TrendLayout layout;
    layout.size = size;
    layout.frame = frame;
    layout.sx = ScaleX(size);
    layout.sy = ScaleY(size);
    layout.range = ValueRangeOf(test, record.thresholds);
    layout.lowestLabel = 10 * (layout.range.vMin / 10) - 10;
    // Badly ordered thresholds could close the range; it must never divide by zero.
    const int span = std::max(1, layout.range.vMax - layout.range.vMin);
    layout.pixelsPerMmHg = 0.57 * size.height() / span;
    PlaceReadings(test, layout);
    PlaceBars(test, layout);
    PlaceThresholds(test, record.thresholds, layout);
    PlaceLabels(layout);
    return layout;
}

bool InHoverRegion(const TrendLayout& layout, QPoint point) {
    return point.x() >= layout.designX(80) && point.x() <= layout.designX(1540) &&
           point.y() >= layout.designY(80) && point.y() <= layout.designY(840);
}

int HoveredReadingAt(const TrendLayout& layout, QPoint point) {
    const int count = layout.readingCount();
    if (count == 0 || !InHoverRegion(layout, point)) return -1;
    const bool plotBeyondFrame = layout.plotRight > layout.frameRight();
    if (plotBeyondFrame && point.y() <= layout.y0() && point.y() >= layout.y0() - 20) return -1;
    const std::vector<int>& xs = layout.readingX;
    if (count >= 2 && point.x() < xs[1]) return 0;
    const int lastX = xs.back();
    if (point.x() >= lastX) return point.x() - lastX <= layout.designX(50) ? count - 1 : -1;
    // The last reading whose x is at or left of the pointer.
    const auto after = std::upper_bound(xs.begin(), xs.end(), point.x());
    return std::max(0, static_cast<int>(after - xs.begin()) - 1);
}

int ClickedReadingAt(const TrendLayout& layout, QPoint point) {
    if (point.x() < layout.x0() || point.x() > layout.frameRight() ||
        point.y() < layout.designY(30) || point.y() > layout.y0())
        return -1;
    // With close readings several lie within 30 pixels left of the pointer; the nearest one
    // is the reading the hover box shows, so that is the one toggled.
    const std::vector<int>& xs = layout.readingX;
    const auto firstAtOrRight = std::lower_bound(xs.begin(), xs.end(), point.x());
    const int i = static_cast<int>(firstAtOrRight - xs.begin()) - 1;
    if (i < 0 || point.x() >= xs[static_cast<std::size_t>(i)] + 30) return -1;
    return i;
}
