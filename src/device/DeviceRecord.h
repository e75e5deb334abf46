#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>

#include "ReadingText.h"

// One 12-byte reading as the recorder sends it.
class DeviceRecord {
  public:
    static constexpr std::size_t kSize = 12;
    using Bytes = std::array<std::uint8_t, kSize>;

    DeviceRecord() = default;
    // received: how many of the 12 bytes actually arrived (missing ones are 0).
    DeviceRecord(const Bytes& bytes, std::size_t received);

    const Bytes& bytes() const { return m_bytes; }
    bool complete() const { return m_received == kSize; }
    std::size_t received() const { return m_received; }

    int systolic() const { return (m_bytes[0] << 8) | m_bytes[1]; }
    int diastolic() const { return m_bytes[2]; }
    int pulseRate() const { return m_bytes[3]; }
    int meanPressure() const { return m_bytes[4]; }
    int year() const { return 2000 + m_bytes[5]; }
    int month() const { return m_bytes[6]; }
    int day() const { return m_bytes[7]; }
    int hour() const { return m_bytes[8]; }
    int minute() const { return m_bytes[9]; }
    int errorCode() const { return m_bytes[10]; }

    // Local time of the reading, seconds 0, daylight saving left to the C library.
    std::time_t localTime() const;
    // Month 1..12, a day that month has, hour 0..23 and minute 0..59. A record read out of step
    // rarely passes; the C library would otherwise turn it into some other, plausible date.
    bool timeInRange() const;
    // S above 270 counts as 0; a reading is kept only when S > M > D, otherwise S, D and M are
    // stored as 0. An incomplete record is always a failed reading.
    bool valid() const;
    ReadingText::Fields fields(int minutesFromStart) const;

  private:
    Bytes m_bytes{};
    std::size_t m_received = 0;
};
