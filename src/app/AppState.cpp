#include "AppState.h"

#include <filesystem>

#include "CIniDocument.h"
#include "RecordFile.h"

void AppState::clearRecord() {
    ClearRecord(record);
    spo2.clear();
}

bool AppState::openRecord(const std::string& filePath, const BpThresholds& thresholds) {
    clearRecord();
    std::error_code ec;
    // Opening must never create a file, so a missing one is refused before the store sees it.
    if (!std::filesystem::is_regular_file(filePath, ec)) return false;
    const CIniDocument doc(filePath);
    if (!doc.isReadable()) return false;
    RecordFile::LoadTest(doc, thresholds, record);
    record.filePath = filePath;
    ReadSpo2Series(doc, spo2);
    return true;
}
