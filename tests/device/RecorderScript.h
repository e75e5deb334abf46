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

// User byte and count, then for each {user, count} the records of readings 15 minutes apart
// from 2010-03-15 10:00 with S = 110 + k.
inline std::vector<std::uint8_t> Blocks(std::initializer_list<std::pair<int, int>> memories) {
    std::vector<std::uint8_t> out;
    for (const auto& [user, count] : memories) {
        out.insert(out.end(), {static_cast<std::uint8_t>(0x10 + user), std::uint8_t(count)});
        for (int k = 0; k < count; ++k) {
            const auto bytes = RecordBytes(
                {.systolic = 110 + k, .hour = 10 + (k * 15) / 60, .minute = (k * 15) % 60});
            out.insert(out.end(), bytes.begin(), bytes.end());
        }
    }
    return out;
}

// A reading text written in its groups for the eye, "00 0078 50 48 5F 0015 00 0000000".
inline std::string Grouped(std::string groups) {
    return std::erase(groups, ' '), groups;
}

// The reading texts of a record file's "TEST 1", in order ("Count" of them).
inline std::vector<std::string> ReadingTexts(const std::string& path) {
    const CIniDocument doc(path);
    std::vector<std::string> texts;
    for (int n = 1; n <= doc.GetInt("TEST 1", "Count", 0); ++n)
        texts.push_back(doc.GetString("TEST 1", std::to_string(n), "missing"));
    return texts;
}

// Echoes the download command and then sends the stream; other bytes get no answer.
inline ScriptedChannel::Responder DownloadRecorder(std::vector<std::uint8_t> stream) {
    return [stream](std::uint8_t b, const std::vector<std::uint8_t>&) {
        if (b < 0x11 || b > 0x14) return std::vector<ScriptedChannel::Answer>{};
        std::vector<std::uint8_t> out{b};
        out.insert(out.end(), stream.begin(), stream.end());
        return Plain(out);
    };
}
