#include "TracedSerialChannel.h"

TracedSerialChannel::TracedSerialChannel(const std::string& tracePath) {
    if (tracePath.empty()) return;
    m_trace = std::make_unique<TraceWriter>(tracePath);
    m_traced = std::make_unique<TracingChannel>(m_serial, *m_trace);
}
