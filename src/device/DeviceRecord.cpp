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

bool DeviceRecord::timeInRange() const {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month() < 1 || month() > 12 || hour() > 23 || minute() > 59 || day() < 1) return false;
    const int y = year();
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return day() <= kDays[month() - 1] + (month() == 2 && leap ? 1 : 0);
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
