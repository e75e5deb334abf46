#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

#include "PlanChoices.h"

enum class RecorderKind {
    ZemAbpm = 0,          // ambulatory plan, 70 bytes, acknowledged with 0xAA
    VeloraAmbulatory = 1, // ambulatory plan, 71 bytes ending in 0x51, acknowledged with 0x55
    VeloraMonitoring = 2, // monitoring plan, 71 bytes ending in 0x52, acknowledged with 0x55
};

// The recorder clock the monitoring plan sets.
struct MonitoringClock {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// The bytes a recorder is programmed with.
class MeasurementPlan {
  public:
    static constexpr std::size_t kSize = 71;
    using Bytes = std::array<std::uint8_t, kSize>;

    enum Offset : std::size_t {
        kName = 0,
        kNameSize = 30,
        kId = 30,
        kIdSize = 11,
        kNowYear = 41, // two bytes, big-endian
        kNowMonth = 43,
        kNowDay = 44,
        kNowHour = 45,
        kNowMinute = 46,
        kStartYear = 47, // monitoring plan: the clock's second
        kStartMonth = 49,
        kStartDay = 50,
        kStartHour = 51,
        kStartMinute = 52,
        kConstantOne = 53,
        kConstant24 = 54,
        kDisplay = 55,
        kStartKey = 56,
        kAwakeStart = 57,
        kAwakeInterval = 59,
        kAsleepStart = 60,
        kAsleepInterval = 62,
        kSpecialStart = 63,
        kSpecialInterval = 65,
        kSpecialEnd = 66,
        kReserved = 68,
        kPeriodCode = 69,
        kKindByte = 70,
    };

    // Seconds from the upload to the first measurement.
    static constexpr int kStartDelaySeconds = 300;

    // Kinds 0 and 1. Name and identifier are cut to their fields without splitting a
    // two-byte character. Throws std::out_of_range for list positions outside their lists.
    static MeasurementPlan Ambulatory(const PlanChoices& choices, RecorderKind kind,
                                      std::time_t now);
    // Kind 2.
    static MeasurementPlan Monitoring(const std::string& name, const std::string& id,
                                      const MonitoringClock& clock);

    // 1 awake, 2 asleep, 3 special for time of day t (minutes after midnight). Starts and ends
    // in minutes after midnight; a special start or end of -1 means none.
    static int PeriodCode(int t, int awakeStart, int asleepStart, int specialStart, int specialEnd);

    RecorderKind kind() const { return m_kind; }
    const Bytes& bytes() const { return m_bytes; }
    // 70 for kind 0 (no kind byte), 71 otherwise.
    int sentLength() const;
    std::uint8_t acknowledgeByte() const;

  private:
    void putText(std::size_t offset, std::size_t size, const std::string& text);
    void putYear(std::size_t offset, int year);
    void putDateTime(std::size_t offset, const std::tm& t);
    void putTimeOfDay(std::size_t offset, int minutes);

    Bytes m_bytes{};
    RecorderKind m_kind = RecorderKind::ZemAbpm;
};
