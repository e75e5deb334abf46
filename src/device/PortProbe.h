#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ByteChannel.h"

// Finds the port a recorder answers on: each candidate is opened, sent the handshake byte
// and kept when the same byte comes back. The channel stays open on the port found and is
// closed after every port that did not answer. A candidate list that cannot be built counts
// as an empty one, so the caller reports it as an absent recorder.
std::optional<std::string> FindRecorderPort(ByteChannel& channel,
                                            const std::function<std::vector<std::string>()>& candidates,
                                            const LineSettings& settings, std::uint8_t handshake);
