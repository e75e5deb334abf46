#include "PortDiscovery.h"

#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

#include "SerialPortLock.h"

namespace {

PortInfo FromQt(const QSerialPortInfo& q) {
    PortInfo p;
    p.devicePath = q.systemLocation().toStdString();
    p.portName = q.portName().toStdString();
    // Only USB devices carry a vendor id.
    p.usb = q.hasVendorIdentifier() ? 1 : 0;
    return p;
}

} // namespace

int PortDiscovery::enumeratePorts(std::vector<PortInfo>& list, bool probe) {
    list.clear();
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& q : ports)
        list.push_back(FromQt(q));
    if (probe)
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [](const PortInfo& p) { return !testOpen(p.devicePath); }),
                   list.end());
    return static_cast<int>(ports.size());
}

bool PortDiscovery::testOpen(const std::string& devicePath) {
    SerialPortLock::RemoveStale(devicePath);
    QSerialPort port(QString::fromStdString(devicePath));
    if (!port.open(QIODevice::ReadWrite)) return false;
    port.close();
    return true;
}

std::vector<std::string> PortDiscovery::candidates(const std::string& extraPorts, bool discover) {
    std::vector<PortInfo> discovered;
    if (discover) enumeratePorts(discovered, false);
    return CandidatePorts(extraPorts, discovered);
}
