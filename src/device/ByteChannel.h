#pragma once

#include <cstdint>
#include <string>

// Line settings in the shape the recorder protocols describe them: Win32 codes for parity
// (0 none, 1 odd, 2 even, 3 mark, 4 space) and stop bits (0 one, 1 one and a half, 2 two).
struct LineSettings {
    std::uint32_t BaudRate = 9600;
    std::uint8_t ByteSize = 8;
    std::uint8_t Parity = 0;
    std::uint8_t StopBits = 0;

    static LineSettings Download() { return {9600, 8, 0, 0}; }
    static LineSettings Upload() { return {4800, 8, 0, 0}; }
};

// Why the last open of a port failed.
struct OpenError {
    enum Kind {
        None,     // the port opened
        Missing,  // no such device
        InUse,    // another program holds it
        NoAccess, // the user may not use it
        Other,    // anything else (not a serial device, driver error)
    };
    Kind kind = None;
    std::string holder; // InUse: the program holding it, when known ("minicom, process 812")
};

// A blocking byte link to one port at a time. The protocols only talk to this interface,
// so tests can drive them with a scripted channel and the program with a serial port.
class ByteChannel {
  public:
    virtual ~ByteChannel() = default;

    virtual void setPortName(const std::string& name) = 0;
    virtual const std::string& portName() const = 0;
    // A non-negative handle on success, -1 on any failure (the channel then stays closed).
    virtual int open(const LineSettings& settings) = 0;
    // Why the last open returned -1.
    virtual OpenError openError() const { return {OpenError::Other, {}}; }
    // Always ends closed.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Bytes actually read: fewer than asked (often 0) after a time-out, 0 when closed.
    virtual int read(std::uint8_t* buffer, std::uint32_t count) = 0;
    // 1 when the bytes went out, 0 on failure or when closed.
    virtual int write(std::uint32_t count, const std::uint8_t* buffer) = 0;
    // A line for the link's trace, if it keeps one (a damaged transfer, a lost link).
    virtual void note(const std::string& /*text*/) {}
};
