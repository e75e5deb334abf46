#include "DeviceRecord.h"

DeviceRecord::DeviceRecord(const Bytes& bytes, std::size_t received)
    : m_bytes(bytes), m_received(received > kSize ? kSize : received) {}

std::time_t DeviceRecord::localTime() const {
    std::tm t{};
    t.tm_year = year() - 1900;
    t.tm_mon = month() - 1;
    t.tm_mday = day();
    t.tm_hour = hour();
    t.tm_min = minute();
    t.tm_sec = 0;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

bool DeviceRecord::valid() const {
    if (!complete()) return false;
    int s = systolic() > 270 ? 0 : systolic();
    return s > meanPressure() && meanPressure() > diastolic();
}

ReadingText::Fields DeviceRecord::fields(int minutesFromStart) const {
    ReadingText::Fields f;
    f.pulseRate = pulseRate();
    f.errorCode = errorCode();
    f.minutesFromStart = minutesFromStart;
    if (valid()) {
        f.systolic = systolic();
        f.diastolic = diastolic();
        f.meanPressure = meanPressure();
    }
    return f;
}
