#pragma once

#include <cstdint>

// Raw x86 I/O-port access as the EC logic needs it, and nothing more.
class PortIo {
public:
    virtual ~PortIo() = default;

    // Makes port access available; false when it cannot be (library or an entry point missing).
    virtual bool Open() = 0;
    // True when port access works now (the port driver is open).
    virtual bool IsUsable() = 0;
    virtual void Write(std::uint16_t port, std::uint8_t value) = 0;
    // The byte read is in the low 8 bits; the high bits are whatever the back end yields.
    virtual std::uint16_t Read(std::uint16_t port) = 0;
};
