#pragma once

#include <memory>
#include <string>

#include "SerialChannel.h"
#include "TraceWriter.h"
#include "TracingChannel.h"

// A serial channel, logged to a trace file when a path is given. Workers and the command
// line get their channel from here, so both write the same trace.
class TracedSerialChannel {
  public:
    explicit TracedSerialChannel(const std::string& tracePath);

    ByteChannel& channel() { return m_traced ? static_cast<ByteChannel&>(*m_traced) : m_serial; }
    // False when a trace was asked for but its file could not be opened.
    bool traceOk() const { return !m_trace || m_trace->isOpen(); }

  private:
    SerialChannel m_serial;
    std::unique_ptr<TraceWriter> m_trace;
    std::unique_ptr<TracingChannel> m_traced;
};
