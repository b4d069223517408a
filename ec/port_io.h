#pragma once

#include <cstdint>

// Why port access cannot be had; None when it can.
enum class PortAccessFailure {
    None,
    LibraryMissing,  // io.dll is not in the program's folder nor in the system folder
    FunctionMissing, // io.dll lacks one of the functions the EC logic binds
    DriverNotUsable, // the library's port driver is not open (typically: not run as administrator)
};

// Raw x86 I/O-port access as the EC logic needs it, and nothing more.
class PortIo {
public:
    virtual ~PortIo() = default;

    // Makes port access available; LibraryMissing or FunctionMissing when it cannot be.
    virtual PortAccessFailure Open() = 0;
    // True when port access works now (the port driver is open).
    virtual bool IsUsable() = 0;
    virtual void Write(std::uint16_t port, std::uint8_t value) = 0;
    // The byte read is in the low 8 bits; the high bits are whatever the back end yields.
    virtual std::uint16_t Read(std::uint16_t port) = 0;
};
