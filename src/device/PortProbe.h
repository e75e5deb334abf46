#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ByteChannel.h"

// A candidate port that could not be asked, or answered something other than the echo. Ports
// that opened and stayed silent are not listed: that is the ordinary "no recorder here".
struct PortFault {
    enum Kind { Missing, InUse, NoAccess, WrongAnswer };
    std::string port;
    Kind kind = Missing;
    std::string holder;      // InUse: the program holding the port, when known
    std::uint8_t answer = 0; // WrongAnswer: the byte that came back
};

struct ProbeResult {
    std::optional<std::string> port; // where the recorder answered
    std::vector<PortFault> faults;   // of this round, in candidate order
};

// Finds the port a recorder answers on: each candidate is opened, sent the handshake byte
// and kept when the same byte comes back. The channel stays open on the port found and is
// closed after every port that did not answer. A candidate list that cannot be built counts
// as an empty one, so the caller reports it as an absent recorder.
ProbeResult FindRecorderPort(ByteChannel& channel,
                             const std::function<std::vector<std::string>()>& candidates,
                             const LineSettings& settings, std::uint8_t handshake);
