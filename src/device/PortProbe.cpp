#include "PortProbe.h"

#include <exception>

namespace {

std::optional<PortFault> FaultOf(const std::string& name, const OpenError& error) {
    switch (error.kind) {
    case OpenError::Missing:
        return PortFault{name, PortFault::Missing, {}, 0};
    case OpenError::InUse:
        return PortFault{name, PortFault::InUse, error.holder, 0};
    case OpenError::NoAccess:
        return PortFault{name, PortFault::NoAccess, {}, 0};
    case OpenError::None:
    case OpenError::Other:
        break;
    }
    // Ports that exist but are no usable serial line are common on a PC and tell the user
    // nothing; they are skipped like silent ones.
    return std::nullopt;
}

bool Answers(ByteChannel& channel, const std::string& name, const LineSettings& settings,
             std::uint8_t handshake, std::vector<PortFault>& faults) {
    channel.setPortName(name);
    if (channel.open(settings) < 0) {
        if (auto fault = FaultOf(name, channel.openError())) faults.push_back(*fault);
        return false;
    }
    std::uint8_t echo = 0;
    if (channel.write(1, &handshake) && channel.read(&echo, 1) == 1) {
        if (echo == handshake) return true;
        faults.push_back({name, PortFault::WrongAnswer, {}, echo});
    }
    channel.close();
    return false;
}

} // namespace

ProbeResult FindRecorderPort(ByteChannel& channel,
                             const std::function<std::vector<std::string>()>& candidates,
                             const LineSettings& settings, std::uint8_t handshake) {
    std::vector<std::string> names;
    try {
        names = candidates();
    } catch (const std::exception&) {
        names.clear();
    }
    ProbeResult result;
    for (const std::string& name : names)
        if (Answers(channel, name, settings, handshake, result.faults)) {
            result.port = name;
            break;
        }
    return result;
}
