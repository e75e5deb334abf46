#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "CIniDocument.h"
#include "ScriptedChannel.h"

// Building blocks for scripted recorders.
struct RawReading {
    int systolic = 120, diastolic = 80, pulse = 72, mean = 95;
    int year = 2010, month = 3, day = 15, hour = 10, minute = 0;
    int error = 0;
};

inline std::vector<std::uint8_t> RecordBytes(const RawReading& r) {
    const auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
    return {u8(r.systolic >> 8), u8(r.systolic & 0xFF), u8(r.diastolic), u8(r.pulse),
            u8(r.mean),          u8(r.year - 2000),     u8(r.month),     u8(r.day),
            u8(r.hour),          u8(r.minute),          u8(r.error),     0x5A};
}

// Readings 15 minutes apart from 2010-03-15 10:00, S = 110 + k.
inline std::vector<RawReading> Series(int count) {
    std::vector<RawReading> out(count);
    for (int k = 0; k < count; ++k) {
        out[k].systolic = 110 + k;
        out[k].hour = 10 + (k * 15) / 60;
        out[k].minute = (k * 15) % 60;
    }
    return out;
}

// User byte, count and records of Series(count) for each {user, count}, one after the other.
inline std::vector<std::uint8_t> Blocks(std::initializer_list<std::pair<int, int>> memories) {
    std::vector<std::uint8_t> out;
    for (const auto& [user, count] : memories) {
        out.push_back(static_cast<std::uint8_t>(0x10 + user));
        out.push_back(static_cast<std::uint8_t>(count));
        for (const RawReading& r : Series(count)) {
            const std::vector<std::uint8_t> bytes = RecordBytes(r);
            out.insert(out.end(), bytes.begin(), bytes.end());
        }
    }
    return out;
}

// A reading text written in its groups for the eye, "00 0078 50 48 5F 0015 00 0000000": the
// blanks are dropped.
inline std::string Grouped(std::string groups) {
    std::erase(groups, ' ');
    return groups;
}

// The reading texts of a record file's "TEST 1", in order ("Count" of them).
inline std::vector<std::string> ReadingTexts(const std::string& path) {
    const CIniDocument doc(path);
    std::vector<std::string> texts;
    const int count = doc.GetInt("TEST 1", "Count", 0);
    for (int n = 1; n <= count; ++n)
        texts.push_back(doc.GetString("TEST 1", std::to_string(n), "missing"));
    return texts;
}

// Echoes the download command and then sends the stream; other bytes get no answer.
inline ScriptedChannel::Responder DownloadRecorder(std::vector<std::uint8_t> stream) {
    return [stream](std::uint8_t b, const std::vector<std::uint8_t>&) {
        std::vector<ScriptedChannel::Answer> out;
        if (b < 0x11 || b > 0x14) return out;
        out.push_back({b, 0});
        for (std::uint8_t s : stream)
            out.push_back({s, 0});
        return out;
    };
}
