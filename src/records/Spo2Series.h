#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CIniDocument;

// The per-second SpO2/pulse series of a record; index = seconds after the start.
// A value of 0 means no data at that second.
struct Spo2Series {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::vector<std::uint8_t> spo2;
    std::vector<std::uint8_t> pulse;

    std::size_t length() const { return spo2.size(); }
    // "%d-%d-%d %d:%d:%d" of the start
    std::string startText() const;
    void clear();
};

enum class Spo2ReadResult {
    NoData, // no "DATA PACK": the record carries no series
    Loaded,
    Damaged, // "DataCount" does not match the pack, or the trailer is unreadable
};

// Series lengths beyond this are taken as a damaged trailer rather than allocated.
constexpr std::uint32_t kMaxSpo2Seconds = 100u * 86400u;

Spo2ReadResult ReadSpo2Series(const CIniDocument& doc, Spo2Series& series);
