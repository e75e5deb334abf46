#include "RecorderScript.h"

#include "CIniDocument.h"

std::vector<std::uint8_t> RecordBytes(const RawReading& r) {
    return {
        static_cast<std::uint8_t>(r.systolic >> 8), static_cast<std::uint8_t>(r.systolic & 0xFF),
        static_cast<std::uint8_t>(r.diastolic),     static_cast<std::uint8_t>(r.pulse),
        static_cast<std::uint8_t>(r.mean),          static_cast<std::uint8_t>(r.year - 2000),
        static_cast<std::uint8_t>(r.month),         static_cast<std::uint8_t>(r.day),
        static_cast<std::uint8_t>(r.hour),          static_cast<std::uint8_t>(r.minute),
        static_cast<std::uint8_t>(r.error),         0x5A};
}

std::vector<std::uint8_t> BlockBytes(int user, const std::vector<RawReading>& readings) {
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(0x10 + user),
                                  static_cast<std::uint8_t>(readings.size())};
    for (const RawReading& r : readings) {
        const std::vector<std::uint8_t> bytes = RecordBytes(r);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

std::vector<RawReading> Series(int count) {
    std::vector<RawReading> out;
    for (int k = 0; k < count; ++k) {
        RawReading r;
        r.systolic = 110 + k;
        r.hour = 10 + (k * 15) / 60;
        r.minute = (k * 15) % 60;
        out.push_back(r);
    }
    return out;
}

ScriptedChannel::Responder DownloadRecorder(std::vector<std::uint8_t> stream) {
    return [stream](std::uint8_t b, const std::vector<std::uint8_t>&) {
        std::vector<ScriptedChannel::Answer> out;
        if (b < 0x11 || b > 0x14) return out;
        out.push_back({b, 0});
        for (std::uint8_t s : stream)
            out.push_back({s, 0});
        return out;
    };
}

std::string Grouped(const std::string& groups) {
    std::string text;
    for (char c : groups)
        if (c != ' ') text += c;
    return text;
}

std::vector<std::string> ReadingTexts(const std::string& path) {
    const CIniDocument doc(path);
    std::vector<std::string> texts;
    const int count = doc.GetInt("TEST 1", "Count", 0);
    for (int n = 1; n <= count; ++n)
        texts.push_back(doc.GetString("TEST 1", std::to_string(n), "missing"));
    return texts;
}
