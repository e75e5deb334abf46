#include "AppState.h"

#include <filesystem>

#include "CIniDocument.h"
#include "RecordFile.h"

void AppState::clearRecord() {
    ClearRecord(record);
    spo2.clear();
    spo2Analysis.clear();
    readingSets.clear();
    bpStatistics = BpStatistics{};
}

bool AppState::openRecord(const std::string& filePath, const BpThresholds& thresholds,
                          Spo2ReadResult* spo2Result) {
    clearRecord();
    chart = ChartSettings{};
    if (spo2Result) *spo2Result = Spo2ReadResult::NoData;
    std::error_code ec;
    // Opening must never create a file, so a missing one is refused before the store sees it.
    if (!std::filesystem::is_regular_file(filePath, ec)) return false;
    const CIniDocument doc(filePath);
    if (!doc.isReadable()) return false;
    RecordFile::LoadTest(doc, thresholds, record);
    record.filePath = filePath;
    const Spo2ReadResult read = ReadSpo2Series(doc, spo2);
    if (spo2Result) *spo2Result = read;
    spo2Analysis.analyse(spo2);
    return true;
}
