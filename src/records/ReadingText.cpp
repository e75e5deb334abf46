#include "ReadingText.h"

#include <cstdio>

namespace ReadingText {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Leading hexadecimal digits of s[pos, pos + len), as a "%x" scan would take them.
int Hex(const std::string& s, std::size_t pos, std::size_t len) {
    int value = 0;
    for (std::size_t i = pos; i < pos + len; ++i) {
        int d = HexDigit(s[i]);
        if (d < 0) break;
        value = value * 16 + d;
    }
    return value;
}

// Leading decimal digits, as atoi takes them (blanks and a sign first).
int Decimal(const std::string& digits) {
    std::size_t i = 0;
    while (i < digits.size() && digits[i] == ' ')
        ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-')) negative = digits[i++] == '-';
    int value = 0;
    for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i)
        value = value * 10 + (digits[i] - '0');
    return negative ? -value : value;
}

} // namespace

void Decode(const std::string& s, BpReading& r) {
    if (s.size() < kLength) {
        r.systolic = r.diastolic = r.pulseRate = r.meanPressure = 0;
        r.errorCode = r.marked = r.minutesFromStart = 0;
        r.included = 1;
        return;
    }
    r.systolic = Hex(s, 2, 4) & 0xFFFF;
    r.diastolic = Hex(s, 6, 2);
    r.pulseRate = Hex(s, 8, 2);
    r.meanPressure = Hex(s, 10, 2);
    r.errorCode = Hex(s, 16, 2);
    r.minutesFromStart = Decimal(std::string{s[0], s[1], s[12], s[13], s[14], s[15]});
    r.marked = s[kMarkerPos] == '1' ? 1 : 0;
    r.included = Decimal(std::string(1, s[kExclusionPos])) == 0 ? 1 : 0;
}

std::string Encode(const Fields& f) {
    int offset = f.minutesFromStart;
    if (offset < 0) offset = 0;
    if (offset > 999999) offset = 999999;
    char time[8];
    std::snprintf(time, sizeof time, "%06d", offset);
    char text[kLength + 1];
    std::snprintf(
        text, sizeof text, "%c%c%04X%02X%02X%02X%c%c%c%c%02X0000000", time[0], time[1],
        static_cast<unsigned>(f.systolic) & 0xFFFF, static_cast<unsigned>(f.diastolic) & 0xFF,
        static_cast<unsigned>(f.pulseRate) & 0xFF, static_cast<unsigned>(f.meanPressure) & 0xFF,
        time[2], time[3], time[4], time[5], static_cast<unsigned>(f.errorCode) & 0xFF);
    return std::string(text, kLength);
}

std::string WithExclusion(const std::string& text, bool excluded) {
    if (text.size() <= kExclusionPos) return text;
    std::string out = text;
    out[kExclusionPos] = excluded ? '1' : '0';
    return out;
}

} // namespace ReadingText
