#pragma once

#include <string>

struct Spo2Series;

// What the SpO2 trend shows: which stretch of the series (window and offset, in seconds), the
// spacing of its time grid, which length button is pressed and the critical level it marks.
// Every change of window starts again at the beginning of the series.
struct Spo2TrendState {
    // Length buttons and their selector values.
    enum Selector { OneMinute = 0, TenMinutes = 1, OneHour = 2, Manual = 3 };

    int window = 600;  // seconds shown at once
    int offset = 0;    // first visible second
    int gridStep = 60; // seconds between vertical grid lines
    int lengthSelector = TenMinutes;
    int criticalLevel = 88; // percent, copied from the analysis before drawing
    bool spo2Mode = false;  // the SpO2 trend replaces the blood-pressure display

    // The fixed windows of the length buttons (60, 600 and 3600 s with their grid steps).
    void chooseFixedWindow(Selector selector);
    // A window typed in the display settings: its grid step follows from its length.
    void chooseManualWindow(int seconds);
    // Paging and stepping over a series of length seconds. A move that would run past the
    // end is not taken; nothing moves while the window is empty.
    void pageLeft();
    void stepLeft();
    void stepRight(int length);
    void pageRight(int length);
    // Keeps the offset inside a series of length seconds (after the series changed).
    void applyOffset(int length);

    static int ManualGridStep(int windowSeconds);
    // The grid step of a window however it was chosen: that of its length button for 60, 600
    // and 3600 s, the manual rule otherwise.
    static int GridStepOf(int windowSeconds);
    static int SelectorOf(int windowSeconds);

  private:
    void setWindow(int seconds, int step);
};

namespace Spo2TrendText {

// Elapsed time since the series start: "59", "1:01", "1:01:01".
std::string Elapsed(int seconds);
// The calendar time of second `offset` of the series: "2026-3-20 22:30:05".
std::string CalendarTime(const Spo2Series& series, int offset);

} // namespace Spo2TrendText
