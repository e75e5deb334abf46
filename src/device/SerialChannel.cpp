#include "SerialChannel.h"

#include <algorithm>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>

#include "SerialPortLock.h"

namespace {

bool ToParity(std::uint8_t code, QSerialPort::Parity& parity) {
    static const QSerialPort::Parity table[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                QSerialPort::EvenParity, QSerialPort::MarkParity,
                                                QSerialPort::SpaceParity};
    if (code > 4) return false;
    parity = table[code];
    return true;
}

bool ToStopBits(std::uint8_t code, QSerialPort::StopBits& stopBits) {
    static const QSerialPort::StopBits table[] = {QSerialPort::OneStop, QSerialPort::OneAndHalfStop,
                                                  QSerialPort::TwoStop};
    if (code > 2) return false;
    stopBits = table[code];
    return true;
}

} // namespace

SerialChannel::SerialChannel() = default;

// The port object is closed with the channel; callers close first anyway.
SerialChannel::~SerialChannel() = default;

bool SerialChannel::isOpen() const {
    return m_port && m_port->isOpen();
}

bool SerialChannel::applyLineSettings(const LineSettings& s) {
    QSerialPort::Parity parity{};
    QSerialPort::StopBits stopBits{};
    if (s.ByteSize < 5 || s.ByteSize > 8 || !ToParity(s.Parity, parity) ||
        !ToStopBits(s.StopBits, stopBits))
        return false;
    return m_port->setBaudRate(static_cast<qint32>(s.BaudRate)) &&
           m_port->setDataBits(static_cast<QSerialPort::DataBits>(s.ByteSize)) &&
           m_port->setParity(parity) && m_port->setStopBits(stopBits);
}

// Qt reports a lock held by someone else, a port opened for exclusive use and a port the
// user may not touch all as a permission error; the lock file and the device tell them apart.
OpenError SerialChannel::explainFailedOpen() const {
    switch (m_port->error()) {
    case QSerialPort::DeviceNotFoundError:
        return {OpenError::Missing, {}};
    case QSerialPort::PermissionError: {
        const SerialPortLock::Owner owner = SerialPortLock::Inspect(m_portName);
        if (owner.locked && !owner.stale) {
            std::string holder;
            if (owner.pid > 0)
                holder = (owner.program.empty() ? std::string() : owner.program + ", ") + "PID " +
                         std::to_string(owner.pid);
            return {OpenError::InUse, holder};
        }
        const QFileInfo device(QString::fromStdString(m_portName));
        if (!device.isReadable() || !device.isWritable()) return {OpenError::NoAccess, {}};
        return {OpenError::InUse, {}};
    }
    default:
        return {OpenError::Other, {}};
    }
}

int SerialChannel::open(const LineSettings& settings) {
    close();
    m_openError = {};
    SerialPortLock::RemoveStale(m_portName);
    // Created here so that the port belongs to the thread that uses it.
    m_port = std::make_unique<QSerialPort>();
    m_port->setPortName(QString::fromStdString(m_portName));
    m_port->setReadBufferSize(kInputQueueBytes);
    // QSerialPort locks the device and asks for exclusive use, like a share mode of 0.
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_openError = explainFailedOpen();
        m_port.reset();
        return -1;
    }
    if (!applyLineSettings(settings)) {
        close();
        m_openError = {OpenError::Other, {}};
        return -1;
    }
    m_port->clear();
    const int handle = static_cast<int>(m_port->handle());
    return handle >= 0 ? handle : 0;
}

void SerialChannel::close() {
    if (m_port && m_port->isOpen()) m_port->close();
    m_port.reset();
}

int SerialChannel::read(std::uint8_t* buffer, std::uint32_t count) {
    if (!isOpen() || count == 0) return 0;
    QElapsedTimer total, sinceLastByte;
    total.start();
    const qint64 totalLimit = qint64(kPerByteTimeoutMs) * count + kConstantTimeoutMs;
    std::uint32_t got = 0;
    while (got < count) {
        if (m_port->bytesAvailable() > 0) {
            const qint64 n = m_port->read(reinterpret_cast<char*>(buffer) + got, count - got);
            if (n < 0) break;
            got += static_cast<std::uint32_t>(n);
            sinceLastByte.start();
            continue;
        }
        qint64 remaining = totalLimit - total.elapsed();
        if (got > 0) remaining = std::min(remaining, kIntervalTimeoutMs - sinceLastByte.elapsed());
        if (remaining <= 0) break;
        if (!m_port->waitForReadyRead(static_cast<int>(remaining))) {
            // A time-out leaves an error behind that would fail the next wait at once.
            const QSerialPort::SerialPortError error = m_port->error();
            m_port->clearError();
            if (error != QSerialPort::TimeoutError && error != QSerialPort::NoError) break;
        }
    }
    return static_cast<int>(got);
}

int SerialChannel::write(std::uint32_t count, const std::uint8_t* buffer) {
    if (!isOpen()) return 0;
    const qint64 n = m_port->write(reinterpret_cast<const char*>(buffer), count);
    if (n != qint64(count)) {
        m_port->clearError();
        return 0;
    }
    const int limit = kPerByteTimeoutMs * static_cast<int>(count) + kConstantTimeoutMs;
    while (m_port->bytesToWrite() > 0)
        if (!m_port->waitForBytesWritten(limit)) {
            m_port->clearError();
            return 0;
        }
    return 1;
}
