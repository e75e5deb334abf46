#include "PortProbe.h"

#include <exception>

namespace {

bool Answers(ByteChannel& channel, const std::string& name, const LineSettings& settings,
             std::uint8_t handshake) {
    channel.setPortName(name);
    if (channel.open(settings) < 0) return false;
    std::uint8_t echo = 0;
    if (channel.write(1, &handshake) && channel.read(&echo, 1) == 1 && echo == handshake)
        return true;
    channel.close();
    return false;
}

} // namespace

std::optional<std::string> FindRecorderPort(ByteChannel& channel,
                                            const std::function<std::vector<std::string>()>& candidates,
                                            const LineSettings& settings, std::uint8_t handshake) {
    std::vector<std::string> names;
    try {
        names = candidates();
    } catch (const std::exception&) {
        names.clear();
    }
    for (const std::string& name : names)
        if (Answers(channel, name, settings, handshake)) return name;
    return std::nullopt;
}
