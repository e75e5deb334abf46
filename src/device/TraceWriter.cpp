#include "TraceWriter.h"

#include <ctime>

namespace {

std::string Hex(const std::uint8_t* bytes, std::size_t count) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        if (i) out += ' ';
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 0xF];
    }
    return out;
}

} // namespace

TraceWriter::TraceWriter(const std::string& path) : m_start(std::chrono::steady_clock::now()) {
    if (path.empty()) return;
    m_file = std::fopen(path.c_str(), "ab");
    if (!m_file) return;
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    char when[32];
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &t);
    line(std::string("# trace started ") + when);
}

TraceWriter::~TraceWriter() {
    if (m_file) std::fclose(m_file);
}

std::string TraceWriter::stamp() const {
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - m_start);
    char text[32];
    std::snprintf(text, sizeof text, "%.3f ", static_cast<double>(elapsed.count()) / 1e6);
    return text;
}

void TraceWriter::line(const std::string& text) {
    if (!m_file) return;
    std::fputs(text.c_str(), m_file);
    std::fputc('\n', m_file);
    std::fflush(m_file);
}

void TraceWriter::event(const std::string& text) {
    line(stamp() + text);
}

void TraceWriter::sent(const std::uint8_t* bytes, std::size_t count) {
    event("tx " + Hex(bytes, count));
}

void TraceWriter::received(const std::uint8_t* bytes, std::size_t count, std::size_t asked) {
    std::string text = "rx " + (count ? Hex(bytes, count) : std::string("-"));
    if (count < asked)
        text += " (time-out, " + std::to_string(count) + " of " + std::to_string(asked) + ")";
    event(text);
}
