#include "ScriptedChannel.h"

int ScriptedChannel::open(const LineSettings& s) {
    events.push_back("open " + m_name);
    const auto refusing = m_refusing.find(m_name);
    const auto port = m_ports.find(m_name);
    m_openError = refusing != m_refusing.end() ? refusing->second
                  : port == m_ports.end()      ? OpenError{OpenError::Missing, {}}
                                               : OpenError{};
    if (m_openError.kind != OpenError::None) return -1;
    port->second.input.clear();
    m_open = true;
    settings = s;
    return 3;
}

void ScriptedChannel::close() {
    if (m_open) events.push_back("close " + m_name);
    m_open = false;
}

int ScriptedChannel::read(std::uint8_t* buffer, std::uint32_t count) {
    if (!m_open) return 0;
    std::deque<Answer>& input = m_ports[m_name].input;
    std::uint32_t n = 0;
    while (n < count && !input.empty()) {
        if (input.front().emptyReadsBefore > 0) {
            --input.front().emptyReadsBefore;
            break;
        }
        buffer[n++] = input.front().byte;
        input.pop_front();
    }
    if (n < count) ++timedOutReads;
    return static_cast<int>(n);
}

int ScriptedChannel::write(std::uint32_t count, const std::uint8_t* buffer) {
    if (!m_open) return 0;
    Port& port = m_ports[m_name];
    std::vector<std::uint8_t>& log = written[m_name];
    for (std::uint32_t i = 0; i < count; ++i) {
        if (port.responder)
            for (const Answer& a : port.responder(buffer[i], log))
                port.input.push_back(a);
        log.push_back(buffer[i]);
    }
    return 1;
}

std::vector<ScriptedChannel::Answer> Plain(const std::vector<std::uint8_t>& bytes) {
    std::vector<ScriptedChannel::Answer> out;
    for (std::uint8_t b : bytes)
        out.push_back({b, 0});
    return out;
}
