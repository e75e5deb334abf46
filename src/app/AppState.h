#pragma once

#include <string>

#include "BpStatistics.h"
#include "ChartSettings.h"
#include "ClinicalSummary.h"
#include "PatientRecord.h"
#include "ReadingSets.h"
#include "Spo2Analysis.h"
#include "Spo2Series.h"

// Everything the running program knows about the open record and the current configuration.
// Owned by the application and handed down by reference; no logic reads hidden globals, so a
// test builds a fresh one.
struct AppState {
    PatientRecord record;
    Spo2Series spo2;
    // Results of the open record's series; its parameters last for the whole run.
    Spo2Analysis spo2Analysis;
    // Rebuilt by ClassifyReadings and overwritten by ComputeStatistics.
    ReadingSets readingSets;
    BpStatistics bpStatistics;
    // The period and bands chosen for the charts; opening a record starts them afresh.
    ChartSettings chart;
    // Whose thresholds judge the clinical summary; read with the thresholds.
    ClinicalGuideline guideline = kDefaultGuideline;
    std::string startFolder;       // working folder at start-up
    std::string programFolder;     // folder of the executable
    std::string patientFileFolder; // where records are opened and downloads are written
    std::string currentUserName = "family";

    // Empties the loaded record and everything derived from it.
    void clearRecord();
    // Clears, then loads the record's last test and its SpO2 series and analyses the series.
    // Returns false when the file could not be read. A damaged series leaves the series
    // empty but the test loaded; spo2Result tells the caller which it was.
    bool openRecord(const std::string& filePath, const BpThresholds& thresholds,
                    Spo2ReadResult* spo2Result = nullptr);
};
