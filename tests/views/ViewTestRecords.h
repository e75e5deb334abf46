#pragma once

#include <QString>
#include <QTimer>
#include <string>
#include <vector>

// Record files for the view tests, written with the project's own reading encoder.
struct SampleReading {
    int systolic = 120;
    int diastolic = 80;
    int heartRate = 70;
    int meanPressure = 93;
    int minutes = 0;
    int errorCode = 0;
    bool excluded = false;
    bool marked = false;
    std::string comment; // stored as "C" + number when not empty
};

struct SampleTest {
    int hourBegin = 8;
    int minBegin = 0;
    int year = 2026, month = 3, day = 1;
    int awakeSlot = -1;  // -1: key left out (default 14)
    int asleepSlot = -1; // -1: key left out (default 44)
    std::vector<SampleReading> readings;
    std::string extraKeys; // more "key=value\r\n" lines of the test section
};

// "[PATIENT DATA]" with name, ID and "Test Count", then one section per test.
std::string RecordText(const std::vector<SampleTest>& tests, const std::string& patientKeys = "");

// The value of key in section, as the record store reads it; "<missing>" when absent.
std::string StoredValue(const std::string& path, const std::string& section,
                        const std::string& key);

// Closes every message box that opens while the guard lives, keeping their texts.
class MessageBoxCatcher {
  public:
    MessageBoxCatcher();
    const std::vector<QString>& texts() const { return m_texts; }

  private:
    std::vector<QString> m_texts;
    QTimer m_timer;
};
