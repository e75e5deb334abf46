#pragma once

#include <array>
#include <cstdint>
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

// Echoes the download command and then sends the stream; other bytes get no answer.
ScriptedChannel::Responder DownloadRecorder(std::vector<std::uint8_t> streamAfterEcho);
