#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ByteChannel.h"

// A channel whose ports answer from a script: each byte written may queue answer bytes, and an
// answer may be held back for a number of reads (each such read times out, as a late byte).
class ScriptedChannel : public ByteChannel {
  public:
    struct Answer {
        std::uint8_t byte;
        int emptyReadsBefore = 0;
    };
    // Called with every byte written while the port is open, and the bytes written before.
    using Responder =
        std::function<std::vector<Answer>(std::uint8_t byte, const std::vector<std::uint8_t>&)>;

    // A port that opens; without a responder it never answers. Other names are missing.
    void addPort(const std::string& name, Responder responder = {});
    // A port that exists but does not open, for the given reason.
    void addRefusingPort(const std::string& name, OpenError error);

    void setPortName(const std::string& name) override { m_name = name; }
    const std::string& portName() const override { return m_name; }
    int open(const LineSettings& settings) override;
    OpenError openError() const override { return m_openError; }
    void close() override;
    bool isOpen() const override { return m_open; }
    int read(std::uint8_t* buffer, std::uint32_t count) override;
    int write(std::uint32_t count, const std::uint8_t* buffer) override;
    void note(const std::string& text) override { m_notes.push_back(text); }

    // What happened, in order: "open NAME", "close NAME".
    const std::vector<std::string>& events() const { return m_events; }
    const std::vector<std::uint8_t>& written(const std::string& name) { return m_written[name]; }
    const LineSettings& lastSettings() const { return m_settings; }
    int timedOutReads() const { return m_timedOut; }
    // Lines the protocol left for the trace.
    const std::vector<std::string>& notes() const { return m_notes; }

  private:
    struct Port {
        Responder responder;
        std::deque<Answer> input;
    };
    std::map<std::string, Port> m_ports;
    std::map<std::string, OpenError> m_refusing;
    OpenError m_openError;
    std::map<std::string, std::vector<std::uint8_t>> m_written;
    std::vector<std::string> m_events;
    std::vector<std::string> m_notes;
    std::string m_name;
    bool m_open = false;
    LineSettings m_settings;
    int m_timedOut = 0;
};

// Answers bytes as plain answers without delay.
std::vector<ScriptedChannel::Answer> Plain(const std::vector<std::uint8_t>& bytes);
