#pragma once

#include <QString>

#include "PatientRecord.h"

// The texts a reading is shown with: the readings table's cells, the reading box of the
// trend graph and the dates under its time axis.
namespace ReadingCells {

// Columns of the readings table, in the order of its column list.
enum Column {
    Exclusion = 0,
    Number = 1,
    Time = 2,
    Date = 3,
    Pressure = 4,
    HeartRate = 5,
    MeanPressure = 6,
    PulsePressure = 7,
    ErrorNumber = 8,
    Comment = 9,
};
constexpr int kColumnCount = 10;

// Calendar date and clock time of a reading: the test start plus its offset, with carry.
struct ReadingClock {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};
ReadingClock ClockOf(const TestRecord& test, int minutesFromStart);

// "%d:%d", or "%d:%d%d" with a 0 before minutes below 10.
QString TimeText(int hour, int minute);
// "%d-%d-%d" (year, month, day).
QString DateText(const ReadingClock& clock);

// The device's error number and the string-table text of a stored error code; number 0
// means no number is shown, text id 0 means no text.
struct ErrorInfo {
    int number = 0;
    int textId = 0;
};
ErrorInfo ErrorInfoOf(int errorCode);
QString ErrorNumberText(int errorCode);
QString ErrorText(int errorCode);

// "*" for an excluded reading, empty for an included one.
QString ExclusionText(const BpReading& reading);
// The 1-based number, followed by "+" for a marked reading.
QString NumberText(const BpReading& reading);
// "%d/%d" of systolic and diastolic, "---" for a value of 0.
QString PressureText(const BpReading& reading);
// "%d", or "---" for 0.
QString ValueText(int value);
// Systolic - diastolic, "---" when they are equal.
QString PulsePressureText(const BpReading& reading);
// The reading's comment, or the text of its error code when it has none.
QString CommentText(const BpReading& reading);
bool ShowsErrorText(const BpReading& reading);

QString CellText(const TestRecord& test, const BpReading& reading, int column);

// "*=%d/%d(%.1f%s)": excluded count, total, percentage and "%"; 0.0 for an empty test.
QString ExclusionSummary(int excluded, int total);

} // namespace ReadingCells
