#pragma once

// Event thresholds of the SpO2 analysis. They live as long as the program and are not saved.
struct Spo2Parameters {
    int dropThreshold = 4;        // SpO2 fall, percent points
    int minimumDuration = 10;     // SpO2 event, seconds
    int criticalLevel = 88;       // saturation critical level, percent
    int pulseChangeThreshold = 6; // bpm
    int pulseMinimumDuration = 8; // seconds
};

// Neither maximum can be set by the user.
constexpr int kMaxSpo2EventSeconds = 180;
constexpr int kMaxPulseEventSeconds = 180;
