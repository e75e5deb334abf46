#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

// A plain-text log of a link session: every byte sent and received with its time, so that a
// clinic can send us what a misbehaving recorder did. Lines are flushed as they are written;
// a crash still leaves the trace up to that point.
//
//   # trace started 2024-05-02 10:15:03
//   0.000 open /dev/ttyUSB0 9600 8N1 -> 5
//   0.001 tx 11
//   0.004 rx 11
//   0.155 rx - (time-out, 0 of 1)
class TraceWriter {
  public:
    // Appends to the file; a writer whose file cannot be opened stays silent.
    explicit TraceWriter(const std::string& path);
    ~TraceWriter();
    TraceWriter(const TraceWriter&) = delete;
    TraceWriter& operator=(const TraceWriter&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    void event(const std::string& text);
    void sent(const std::uint8_t* bytes, std::size_t count);
    void received(const std::uint8_t* bytes, std::size_t count, std::size_t asked);

  private:
    void line(const std::string& text);
    std::string stamp() const;

    std::FILE* m_file = nullptr;
    std::chrono::steady_clock::time_point m_start;
};
