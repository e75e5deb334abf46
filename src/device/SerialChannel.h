#pragma once

#include <memory>

#include "ByteChannel.h"

class QSerialPort;

// The one piece of the program that touches a serial port: QSerialPort used blocking, on the
// thread that created the channel. Reads give up after 50 ms per byte plus 100 ms, or 50 ms
// after the last byte that arrived; a read that times out is not an error, it returns what
// came. Modem control lines (DTR/RTS) are never touched: pseudo-terminals refuse them.
class SerialChannel : public ByteChannel {
  public:
    SerialChannel();
    ~SerialChannel() override;
    SerialChannel(const SerialChannel&) = delete;
    SerialChannel& operator=(const SerialChannel&) = delete;

    void setPortName(const std::string& name) override { m_portName = name; }
    const std::string& portName() const override { return m_portName; }
    // A stale lock file left by a killed program is removed first (SerialPortLock).
    int open(const LineSettings& settings) override;
    OpenError openError() const override { return m_openError; }
    void close() override;
    bool isOpen() const override;
    int read(std::uint8_t* buffer, std::uint32_t count) override;
    int write(std::uint32_t count, const std::uint8_t* buffer) override;

    static constexpr int kIntervalTimeoutMs = 50;
    static constexpr int kPerByteTimeoutMs = 50;
    static constexpr int kConstantTimeoutMs = 100;
    static constexpr int kInputQueueBytes = 1024;

  private:
    bool applyLineSettings(const LineSettings& settings);
    OpenError explainFailedOpen() const;

    std::string m_portName;
    std::unique_ptr<QSerialPort> m_port;
    OpenError m_openError;
};
