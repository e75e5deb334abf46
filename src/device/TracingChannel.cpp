#include "TracingChannel.h"

int TracingChannel::open(const LineSettings& s) {
    const int handle = m_inner.open(s);
    static const char parity[] = "NOEMS";
    static const char* const stops[] = {"1", "1.5", "2"};
    m_trace.event("open " + m_inner.portName() + " " + std::to_string(s.BaudRate) + " " +
                  std::to_string(s.ByteSize) + (s.Parity < 5 ? parity[s.Parity] : '?') +
                  (s.StopBits < 3 ? stops[s.StopBits] : "?") + " -> " + std::to_string(handle));
    return handle;
}

void TracingChannel::close() {
    if (m_inner.isOpen()) m_trace.event("close " + m_inner.portName());
    m_inner.close();
}

int TracingChannel::read(std::uint8_t* buffer, std::uint32_t count) {
    const int n = m_inner.read(buffer, count);
    m_trace.received(buffer, n > 0 ? static_cast<std::size_t>(n) : 0, count);
    return n;
}

int TracingChannel::write(std::uint32_t count, const std::uint8_t* buffer) {
    const int ok = m_inner.write(count, buffer);
    m_trace.sent(buffer, count);
    if (!ok) m_trace.event("write failed");
    return ok;
}
