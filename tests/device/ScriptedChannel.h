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
    void addPort(const std::string& name, Responder responder = {}) {
        m_ports[name].responder = std::move(responder);
    }
    // A port that exists but does not open, for the given reason.
    void addRefusingPort(const std::string& name, OpenError error) { m_refusing[name] = error; }

    void setPortName(const std::string& name) override { m_name = name; }
    const std::string& portName() const override { return m_name; }
    int open(const LineSettings& settings) override;
    OpenError openError() const override { return m_openError; }
    void close() override;
    bool isOpen() const override { return m_open; }
    int read(std::uint8_t* buffer, std::uint32_t count) override;
    int write(std::uint32_t count, const std::uint8_t* buffer) override;
    void note(const std::string& text) override { notes.push_back(text); }

    std::vector<std::string> events; // what happened, in order: "open NAME", "close NAME"
    std::map<std::string, std::vector<std::uint8_t>> written; // by port
    LineSettings settings;                                    // of the last open
    int timedOutReads = 0;
    std::vector<std::string> notes; // lines the protocol left for the trace

  private:
    struct Port {
        Responder responder;
        std::deque<Answer> input;
    };
    std::map<std::string, Port> m_ports;
    std::map<std::string, OpenError> m_refusing;
    OpenError m_openError;
    std::string m_name;
    bool m_open = false;
};

// Answers bytes as plain answers without delay.
std::vector<ScriptedChannel::Answer> Plain(const std::vector<std::uint8_t>& bytes);
