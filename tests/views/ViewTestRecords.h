#pragma once

#include <string>
#include <vector>

#include "ModalAnswerer.h"

// Record files for the view tests, written with the project's own reading encoder.
struct SampleReading {
    int systolic = 120, diastolic = 80, heartRate = 70, meanPressure = 93, minutes = 0;
    int errorCode = 0;
    bool excluded = false, marked = false;
    std::string comment; // stored as "C" + number when not empty
};

// From 8:00 on 1 March 2026. A slot of -1 leaves its key out (defaults 14 and 44).
struct SampleTest {
    int awakeSlot = -1, asleepSlot = -1;
    std::vector<SampleReading> readings;
    std::string extraKeys; // more "key=value\r\n" lines of the test section
};

// "[PATIENT DATA]" with name, ID and "Test Count", then one section per test.
std::string RecordText(const std::vector<SampleTest>& tests, const std::string& patientKeys = "");

// The value of key in section, as the record store reads it; "<missing>" when absent.
std::string StoredValue(const std::string& path, const std::string& section,
                        const std::string& key);

// Closes every message box that opens while the guard lives, keeping their texts.
struct MessageBoxCatcher : ModalAnswerer {
    MessageBoxCatcher() : ModalAnswerer(0x400) {} // QMessageBox::Ok
    std::vector<QString> texts() const {
        return {ModalAnswerer::texts.begin(), ModalAnswerer::texts.end()};
    }
};
