#pragma once

#include <string>

#include "PatientRecord.h"
#include "Spo2Series.h"

// Everything the running program knows about the open record and the current configuration.
// Owned by the application and handed down by reference; no logic reads hidden globals, so a
// test builds a fresh one.
struct AppState {
    PatientRecord record;
    Spo2Series spo2;
    std::string startFolder;       // working folder at start-up
    std::string programFolder;     // folder of the executable
    std::string patientFileFolder; // where records are opened and downloads are written
    std::string currentUserName = "family";

    // Empties the loaded record and everything derived from it.
    void clearRecord();
    // Clears, then loads the record's last test and its SpO2 series.
    // Returns false when the file could not be read.
    bool openRecord(const std::string& filePath, const BpThresholds& thresholds);
};
