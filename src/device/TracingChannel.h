#pragma once

#include "ByteChannel.h"
#include "TraceWriter.h"

// Passes everything through to another channel and logs it to a trace.
class TracingChannel : public ByteChannel {
  public:
    TracingChannel(ByteChannel& inner, TraceWriter& trace) : m_inner(inner), m_trace(trace) {}

    void setPortName(const std::string& name) override { m_inner.setPortName(name); }
    const std::string& portName() const override { return m_inner.portName(); }
    int open(const LineSettings& settings) override;
    OpenError openError() const override { return m_inner.openError(); }
    void close() override;
    bool isOpen() const override { return m_inner.isOpen(); }
    int read(std::uint8_t* buffer, std::uint32_t count) override;
    int write(std::uint32_t count, const std::uint8_t* buffer) override;
    void note(const std::string& text) override { m_trace.event(text); }

  private:
    ByteChannel& m_inner;
    TraceWriter& m_trace;
};
