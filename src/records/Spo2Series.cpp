#include "Spo2Series.h"

#include <cstdio>

#include "CIniDocument.h"
#include "RecordFile.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Leading hex digits of a fixed-width field, as "%0NX" takes them.
std::uint32_t HexField(const char* p, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        int d = HexDigit(p[i]);
        if (d < 0) break;
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return value;
}

bool AllHex(const char* p, int width) {
    for (int i = 0; i < width; ++i)
        if (HexDigit(p[i]) < 0) return false;
    return true;
}

} // namespace

std::string Spo2Series::startText() const {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%d-%d-%d %d:%d:%d", year, month, day, hour, minute, second);
    return buf;
}

void Spo2Series::clear() {
    year = month = day = hour = minute = second = 0;
    spo2.clear();
    pulse.clear();
}

Spo2ReadResult ReadSpo2Series(const CIniDocument& doc, Spo2Series& series) {
    series.clear();
    const std::string section = RecordFile::kSpo2Section;
    const std::string pack = doc.GetString(section, "DATA PACK", "");
    if (pack.empty()) return Spo2ReadResult::NoData;

    const int count = doc.GetInt(section, "DataCount", 0);
    if (count < 0 || static_cast<std::size_t>(count) != pack.size() / 12)
        return Spo2ReadResult::Damaged;
    if (pack.size() < 8 || !AllHex(pack.data() + pack.size() - 8, 8))
        return Spo2ReadResult::Damaged;
    const std::uint32_t length = HexField(pack.data() + pack.size() - 8, 8);
    if (length > kMaxSpo2Seconds) return Spo2ReadResult::Damaged;
    // The records must not overlap the trailer, and hold nothing but hexadecimal digits: a
    // record with anything else in it was damaged as surely as a bad trailer.
    if (static_cast<std::size_t>(count) * 12 + 8 > pack.size()) return Spo2ReadResult::Damaged;
    if (!AllHex(pack.data(), count * 12)) return Spo2ReadResult::Damaged;

    // The start is only shown and counted on from; numbers outside their ranges read as 0.
    series.year = doc.GetIntInRange(section, "YearBegin", 0, 9999, 0);
    series.month = doc.GetIntInRange(section, "MonthBegin", 1, 12, 0);
    series.day = doc.GetIntInRange(section, "DayBegin", 1, 31, 0);
    series.hour = doc.GetIntInRange(section, "HourBegin", 0, 23, 0);
    series.minute = doc.GetIntInRange(section, "MinBegin", 0, 59, 0);
    series.second = doc.GetIntInRange(section, "SecBegin", 0, 59, 0);
    series.spo2.assign(length, 0);
    series.pulse.assign(length, 0);

    const char* p = pack.data();
    for (int k = 0; k < count; ++k, p += 12) {
        std::uint32_t spo2 = HexField(p, 2);
        std::uint32_t pulse = HexField(p + 2, 2);
        std::uint32_t position = HexField(p + 4, 8);
        if (position < 1 || position > length) continue; // never write outside the series
        series.spo2[position - 1] = static_cast<std::uint8_t>(spo2 > 100 ? 100 : spo2);
        series.pulse[position - 1] = static_cast<std::uint8_t>(pulse > 255 ? 255 : pulse);
    }
    return Spo2ReadResult::Loaded;
}
