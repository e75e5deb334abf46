#pragma once

#include <string>

#include "PatientRecord.h"

class CIniDocument;

// Loading and editing of patient record files (".awp").
namespace RecordFile {

inline const char* const kPatientSection = "PATIENT DATA";
inline const char* const kSpo2Section = "SPO2 DATA";
inline const char* const kNoString = "no string";

// Fills the record from the file's last test ("TEST " + "Test Count"). The thresholds are
// the current configuration's, handed in by the caller. At most kMaxReadings readings are
// loaded; test.readingsInFile tells when the file names more.
void LoadTest(const std::string& filePath, const BpThresholds& thresholds, PatientRecord& record);

// Loads from an open store (the caller decides about the file).
void LoadTest(const CIniDocument& doc, const BpThresholds& thresholds, PatientRecord& record);

} // namespace RecordFile
