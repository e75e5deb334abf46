#pragma once

#include <array>
#include <optional>
#include <string>

constexpr int kMaxReadings = 1024;
constexpr std::size_t kMaxCommentBytes = 255;
constexpr std::size_t kMaxNameBytes = 31;
constexpr std::size_t kMaxIdBytes = 13;
constexpr std::size_t kMaxDateTextBytes = 16;

// One blood-pressure measurement of a test.
struct BpReading {
    int number = 0;       // position in the test from 0; the file key is number + 1
    int systolic = 0;     // mmHg; 0 = the measurement failed
    int diastolic = 0;    // mmHg
    int pulseRate = 0;    // beats per minute
    int meanPressure = 0; // mmHg
    int errorCode = 0;    // the recorder's code as delivered
    int marked = 0;       // 1: shown with "+" after its number
    int minutesFromStart = 0;
    std::string comment; // at most kMaxCommentBytes
    int included = 0;    // 1: takes part in the analysis
};

// Systolic less diastolic; none when either value was not measured.
inline std::optional<int> PulsePressureOf(const BpReading& reading) {
    if (reading.systolic == 0 || reading.diastolic == 0) return std::nullopt;
    return reading.systolic - reading.diastolic;
}

struct BpThresholds {
    int awakeSys = 140;
    int asleepSys = 120;
    int awakeDia = 90;
    int asleepDia = 80;
};

// The part of the record that belongs to the loaded test.
struct TestRecord {
    std::string section;      // "TEST " + test number
    int startMinuteOfDay = 0; // HourBegin * 60 + MinBegin
    std::string beginDateText;
    std::string endDateText;
    int readingCount = 0;
    // "Count" as the file gives it; above kMaxReadings the readings beyond were not loaded and
    // the user must be told.
    int readingsInFile = 0;
    int awakeStartMinute = 0; // minutes after midnight
    int asleepStartMinute = 0;
    int hourBegin = 0, minBegin = 0, dayBegin = 0, monthBegin = 0, yearBegin = 0;
    std::array<BpReading, kMaxReadings> readings{};
};

// The loaded patient: one test of one record file.
struct PatientRecord {
    std::string filePath;
    std::string patientName; // at most kMaxNameBytes
    std::string patientId;   // at most kMaxIdBytes
    BpThresholds thresholds;
    TestRecord test;
    int isLoaded = 0;
};

// Empties the record: every field back to zero or empty.
void ClearRecord(PatientRecord& record);

// Cuts a GBK text to at most maxBytes bytes without splitting a two-byte character.
std::string CutGbk(const std::string& text, std::size_t maxBytes);
