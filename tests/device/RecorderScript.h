#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ScriptedChannel.h"

// Building blocks for scripted recorders.
struct RawReading {
    int systolic = 120, diastolic = 80, pulse = 72, mean = 95;
    int year = 2010, month = 3, day = 15, hour = 10, minute = 0;
    int error = 0;
};

std::vector<std::uint8_t> RecordBytes(const RawReading& r);
// User byte, count, records.
std::vector<std::uint8_t> BlockBytes(int user, const std::vector<RawReading>& readings);
// Readings 15 minutes apart from 2010-03-15 10:00.
std::vector<RawReading> Series(int count);

// A reading text written in its groups for the eye, "00 0078 50 48 5F 0015 00 0000000": the
// blanks are dropped.
std::string Grouped(const std::string& groups);
// The reading texts of a record file's "TEST 1", in order ("Count" of them).
std::vector<std::string> ReadingTexts(const std::string& path);

// Echoes the download command and then sends the stream; other bytes get no answer.
ScriptedChannel::Responder DownloadRecorder(std::vector<std::uint8_t> streamAfterEcho);
