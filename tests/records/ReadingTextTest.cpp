#include <gtest/gtest.h>

#include <cctype>

#include "ReadingText.h"

// Layout: time digits 1-2 | systolic 4 hex | diastolic, pulse, mean 2 hex each | time digits
// 3-6 | error 2 hex | marker | 3 reserved | exclusion | 2 reserved.
TEST(ReadingText, FieldsSitAtTheirPositions) {
    const struct {
        ReadingText::Fields fields;
        std::string text;
    } cases[] = {
        // 125/80 mmHg, pulse 72, mean 95, 90 min after the start.
        {{125, 80, 72, 95, 90, 0}, "00007D50485F0090000000000"},
        {{0, 0, 88, 0, 123456, 9}, "1200000058003456090000000"},
        // Masked to the field widths: 0x1FFFF and 300 = 0x12C.
        {{0x1FFFF, 300, 0, 0, 0, 0}, "00FFFF2C00000000000000000"},
    };
    for (const auto& c : cases) {
        const ReadingText::Fields& f = c.fields;
        EXPECT_EQ(ReadingText::Encode(f), c.text);
        BpReading r;
        ReadingText::Decode(c.text, r);
        EXPECT_EQ(std::vector({r.systolic, r.diastolic, r.pulseRate, r.meanPressure,
                               r.minutesFromStart, r.errorCode, r.marked, r.included}),
                  std::vector({f.systolic & 0xFFFF, f.diastolic & 0xFF, f.pulseRate, f.meanPressure,
                               f.minutesFromStart, f.errorCode, 0, 1}))
            << c.text;
    }
}

// A short text (the default of a missing key) decodes as a failed reading.
TEST(ReadingText, MarkerAndExclusionAreSingleCharactersAndShortTextsFail) {
    BpReading r;
    ReadingText::Decode("0000000058000000091000000", r);
    EXPECT_EQ(r.marked, 1);
    EXPECT_EQ(r.errorCode, 9);
    // Position 22: "0" and non-digits mean included, "1" ... "9" excluded.
    for (char c : std::string("0xA 159")) {
        std::string text = "00007D50485F0090000000000";
        text[22] = c;
        ReadingText::Decode(text, r);
        EXPECT_EQ(r.included, std::isdigit(c) && c != '0' ? 0 : 1) << c;
    }
    const std::string text = "00007D50485F0090090100000";
    const std::string excluded = ReadingText::WithExclusion(text, true);
    EXPECT_EQ(excluded, "00007D50485F0090090100100");
    EXPECT_EQ(ReadingText::WithExclusion(excluded, false), text);
    EXPECT_EQ(ReadingText::WithExclusion("short", true), "short");
    ReadingText::Decode("no string", r);
    EXPECT_EQ(r.systolic + r.diastolic + r.pulseRate + r.meanPressure + r.minutesFromStart, 0);
}
