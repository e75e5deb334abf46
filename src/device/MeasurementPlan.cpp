#include "MeasurementPlan.h"

#include <stdexcept>

#include "PatientRecord.h"

namespace {

int SpecialMinutes(int position) {
    return position > 0 ? (position - 1) * 30 : -1;
}

bool InWrappingRange(int t, int from, int to) {
    return from <= to ? (from <= t && t <= to) : (t >= from || t <= to);
}

} // namespace

void MeasurementPlan::putText(std::size_t offset, std::size_t size, const std::string& text) {
    const std::string cut = CutGbk(text, size);
    for (std::size_t i = 0; i < cut.size(); ++i)
        m_bytes[offset + i] = static_cast<std::uint8_t>(cut[i]);
}

void MeasurementPlan::putYear(std::size_t offset, int year) {
    m_bytes[offset] = static_cast<std::uint8_t>((year >> 8) & 0xFF);
    m_bytes[offset + 1] = static_cast<std::uint8_t>(year & 0xFF);
}

void MeasurementPlan::putDateTime(std::size_t offset, const std::tm& t) {
    putYear(offset, t.tm_year + 1900);
    m_bytes[offset + 2] = static_cast<std::uint8_t>(t.tm_mon + 1);
    m_bytes[offset + 3] = static_cast<std::uint8_t>(t.tm_mday);
    m_bytes[offset + 4] = static_cast<std::uint8_t>(t.tm_hour);
    m_bytes[offset + 5] = static_cast<std::uint8_t>(t.tm_min);
}

void MeasurementPlan::putTimeOfDay(std::size_t offset, int minutes) {
    if (minutes < 0) {
        m_bytes[offset] = m_bytes[offset + 1] = 0xFF;
        return;
    }
    m_bytes[offset] = static_cast<std::uint8_t>(minutes / 60);
    m_bytes[offset + 1] = static_cast<std::uint8_t>(minutes % 60);
}

int MeasurementPlan::PeriodCode(int t, int a, int b, int s, int e) {
    // A special period needs both ends; like the awake period it may wrap past midnight.
    if (s >= 0 && e >= 0 && InWrappingRange(t, s, e)) return 3;
    return InWrappingRange(t, a, b) ? 1 : 2;
}

MeasurementPlan MeasurementPlan::Ambulatory(const PlanChoices& c, RecorderKind kind,
                                            std::time_t now) {
    if (kind == RecorderKind::VeloraMonitoring)
        throw std::invalid_argument("the ambulatory plan is for kinds 0 and 1");
    if (!c.inRange()) throw std::out_of_range("plan list position outside its list");
    MeasurementPlan plan;
    plan.m_kind = kind;
    plan.putText(kName, kNameSize, c.patientName);
    plan.putText(kId, kIdSize, c.patientId);
    std::tm current{}, start{};
    const std::time_t startTime = now + kStartDelaySeconds;
    localtime_r(&now, &current);
    localtime_r(&startTime, &start);
    plan.putDateTime(kNowYear, current);
    plan.putDateTime(kStartYear, start);
    plan.m_bytes[kConstantOne] = 1;
    plan.m_bytes[kConstant24] = 0x18;
    plan.m_bytes[kDisplay] = c.display == 0 ? 0x01 : 0xFF;
    plan.m_bytes[kStartKey] = c.startKey == 0 ? 0x01 : 0xFF;
    plan.putTimeOfDay(kAwakeStart, c.awakeTime * 30);
    plan.m_bytes[kAwakeInterval] =
        static_cast<std::uint8_t>(PlanChoices::IntervalMinutes(c.awakeSpan));
    plan.putTimeOfDay(kAsleepStart, c.asleepTime * 30);
    plan.m_bytes[kAsleepInterval] =
        static_cast<std::uint8_t>(PlanChoices::IntervalMinutes(c.asleepSpan));
    plan.putTimeOfDay(kSpecialStart, SpecialMinutes(c.specialStart));
    plan.m_bytes[kSpecialInterval] =
        static_cast<std::uint8_t>(PlanChoices::IntervalMinutes(c.specialSpan));
    plan.putTimeOfDay(kSpecialEnd, SpecialMinutes(c.specialEnd));
    plan.m_bytes[kReserved] = 0;
    // The recorder is told which period its first measurement falls in.
    plan.m_bytes[kPeriodCode] = static_cast<std::uint8_t>(
        PeriodCode(start.tm_hour * 60 + start.tm_min, c.awakeTime * 30, c.asleepTime * 30,
                   SpecialMinutes(c.specialStart), SpecialMinutes(c.specialEnd)));
    if (kind == RecorderKind::VeloraAmbulatory) plan.m_bytes[kKindByte] = 0x51;
    return plan;
}

MeasurementPlan MeasurementPlan::Monitoring(const std::string& name, const std::string& id,
                                            const MonitoringClock& clock) {
    MeasurementPlan plan;
    plan.m_kind = RecorderKind::VeloraMonitoring;
    plan.putText(kName, kNameSize, name);
    plan.putText(kId, kIdSize, id);
    plan.putYear(kNowYear, clock.year);
    plan.m_bytes[kNowMonth] = static_cast<std::uint8_t>(clock.month);
    plan.m_bytes[kNowDay] = static_cast<std::uint8_t>(clock.day);
    plan.m_bytes[kNowHour] = static_cast<std::uint8_t>(clock.hour);
    plan.m_bytes[kNowMinute] = static_cast<std::uint8_t>(clock.minute);
    plan.m_bytes[kStartYear] = static_cast<std::uint8_t>(clock.second);
    plan.m_bytes[kKindByte] = 0x52;
    return plan;
}

int MeasurementPlan::sentLength() const {
    return m_kind == RecorderKind::ZemAbpm ? 70 : 71;
}

std::uint8_t MeasurementPlan::acknowledgeByte() const {
    return m_kind == RecorderKind::ZemAbpm ? 0xAA : 0x55;
}
