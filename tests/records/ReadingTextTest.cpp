#include <gtest/gtest.h>

#include "ReadingText.h"

TEST(ReadingText, ExampleReadingEncodesAndDecodes) {
    // 125/80 mmHg, pulse 72, mean 95, 90 min after the start, error 0:
    // 00 | 007D | 50 | 48 | 5F | 0090 | 00 | 0 | 000 | 0 | 00
    ReadingText::Fields f;
    f.systolic = 125;
    f.diastolic = 80;
    f.pulseRate = 72;
    f.meanPressure = 95;
    f.minutesFromStart = 90;
    const std::string text = ReadingText::Encode(f);
    EXPECT_EQ(text, "00007D50485F0090000000000");

    BpReading r;
    ReadingText::Decode(text, r);
    EXPECT_EQ(r.systolic, 125);
    EXPECT_EQ(r.diastolic, 80);
    EXPECT_EQ(r.pulseRate, 72);
    EXPECT_EQ(r.meanPressure, 95);
    EXPECT_EQ(r.minutesFromStart, 90);
    EXPECT_EQ(r.errorCode, 0);
    EXPECT_EQ(r.marked, 0);
    EXPECT_EQ(r.included, 1);
}

TEST(ReadingText, TimeDigitsAreSplitAroundTheValues) {
    BpReading r;
    ReadingText::Decode("00007D50485F1440000000000", r);
    EXPECT_EQ(r.minutesFromStart, 1440);
    ReadingText::Decode("12007D50485F3456000000000", r);
    EXPECT_EQ(r.minutesFromStart, 123456);

    ReadingText::Fields f;
    f.minutesFromStart = 1441;
    const std::string text = ReadingText::Encode(f);
    EXPECT_EQ(text.substr(0, 2), "00");
    EXPECT_EQ(text.substr(12, 4), "1441");
}

TEST(ReadingText, ErrorCodeMarkerAndExclusionPositions) {
    ReadingText::Fields f;
    f.pulseRate = 88;
    f.errorCode = 9;
    const std::string text = ReadingText::Encode(f);
    EXPECT_EQ(text.substr(16, 2), "09");
    EXPECT_EQ(text.substr(2, 4), "0000");

    BpReading r;
    std::string marked = text;
    marked[18] = '1';
    ReadingText::Decode(marked, r);
    EXPECT_EQ(r.marked, 1);
    EXPECT_EQ(r.errorCode, 9);
    EXPECT_EQ(r.pulseRate, 88);

    // Position 22: "0" and non-digits mean included, "1" ... "9" excluded.
    for (char c : std::string("0xA ")) {
        std::string t = text;
        t[22] = c;
        ReadingText::Decode(t, r);
        EXPECT_EQ(r.included, 1) << c;
    }
    for (char c : std::string("159")) {
        std::string t = text;
        t[22] = c;
        ReadingText::Decode(t, r);
        EXPECT_EQ(r.included, 0) << c;
    }
}

TEST(ReadingText, ExclusionChangesOnlyCharacter22) {
    const std::string text = "00007D50485F0090090100000";
    const std::string excluded = ReadingText::WithExclusion(text, true);
    EXPECT_EQ(excluded, "00007D50485F0090090100100");
    EXPECT_EQ(ReadingText::WithExclusion(excluded, false), text);
}

TEST(ReadingText, ShortTextDecodesAsFailedReading) {
    BpReading r;
    r.systolic = 120;
    r.pulseRate = 70;
    r.minutesFromStart = 30;
    ReadingText::Decode("no string", r);
    EXPECT_EQ(r.systolic, 0);
    EXPECT_EQ(r.diastolic, 0);
    EXPECT_EQ(r.pulseRate, 0);
    EXPECT_EQ(r.meanPressure, 0);
    EXPECT_EQ(r.minutesFromStart, 0);
    ReadingText::Decode("", r);
    EXPECT_EQ(r.systolic, 0);
    EXPECT_EQ(ReadingText::WithExclusion("short", true), "short");
}

TEST(ReadingText, ValuesAreMaskedToTheirFieldWidths) {
    ReadingText::Fields f;
    f.systolic = 0x1FFFF;
    f.diastolic = 300; // 0x12C: only the low byte fits
    const std::string text = ReadingText::Encode(f);
    EXPECT_EQ(text.size(), 25u);
    EXPECT_EQ(text.substr(2, 4), "FFFF");
    EXPECT_EQ(text.substr(6, 2), "2C");
}
