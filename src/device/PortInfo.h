#pragma once

#include <string>
#include <vector>

// One serial port the system reports.
struct PortInfo {
    std::string devicePath; // what the port is opened with
    std::string portName;   // short name, e.g. ttyUSB0
    int usb = 0;            // 1 when the port sits on a USB device
};

// The ports to probe for a recorder, in order: the device paths typed into "Extra Ports"
// (separated by ";"), then the discovered ports, each path once.
std::vector<std::string> CandidatePorts(const std::string& extraPorts,
                                        const std::vector<PortInfo>& discovered);
