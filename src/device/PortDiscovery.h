#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "PortInfo.h"

// Raised when the system cannot list its serial ports; carries the text to show.
class PortDiscoveryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The serial ports the system knows, from QSerialPortInfo. Pseudo-terminals are never listed
// there, which is why the candidates put the configured "Extra Ports" first.
class PortDiscovery {
  public:
    // Empties the list and fills it in discovery order; with probe, every entry is test-opened
    // and the ports that cannot be opened (missing, or held by another program) are removed.
    // Returns the number of ports examined.
    static int enumeratePorts(std::vector<PortInfo>& list, bool probe);
    // Opens the port for exclusive use and closes it again at once.
    static bool testOpen(const std::string& devicePath);
    // Extra ports first, then every discovered port; without discover the extra ports only.
    static std::vector<std::string> candidates(const std::string& extraPorts, bool discover = true);
};
