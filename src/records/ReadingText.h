#pragma once

#include <string>

#include "PatientRecord.h"

// The 25-character text a reading is stored as under its number in a test section.
namespace ReadingText {

constexpr std::size_t kLength = 25;
constexpr std::size_t kExclusionPos = 22;
constexpr std::size_t kMarkerPos = 18;

struct Fields {
    int systolic = 0;
    int diastolic = 0;
    int pulseRate = 0;
    int meanPressure = 0;
    int minutesFromStart = 0; // 0 ... 999999
    int errorCode = 0;
};

// Decodes into a reading (number and comment are left to the caller). A text shorter than
// 25 characters decodes as a failed reading with all values 0.
void Decode(const std::string& text, BpReading& reading);

// Encodes the values as the download writes them: marker "0", included, reserved "0".
// Values are masked to their field widths so the text is always 25 characters.
std::string Encode(const Fields& fields);

// Returns the text with only the exclusion character changed ("1" excluded, "0" included).
// A text too short to hold the flag is returned unchanged.
std::string WithExclusion(const std::string& text, bool excluded);

} // namespace ReadingText
