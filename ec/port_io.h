#pragma once

#include <cstdint>
#include <optional>

// Why a way to the ports cannot be had; None when it can.
enum class PortAccessFailure {
    None,
    LibraryMissing,     // the way's library is not where it is looked for (PawnIO: not installed)
    LibraryNotLoadable, // the library is there but cannot be loaded (typically the other bitness)
    FunctionMissing,    // the library lacks one of the functions the EC logic binds
    DriverNotUsable,    // the library's port driver is not open (io.dll: not run as administrator)
    NotElevated,        // the driver refuses a process that is not run as administrator
    ModuleMissing,      // PawnIO's LpcIO.bin is not beside the program
    ModuleRefused,      // PawnIO's driver refused LpcIO.bin (not the signed LpcIO module)
};

// Raw x86 I/O-port access as the EC logic needs it, and nothing more.
class PortIo {
public:
    virtual ~PortIo() = default;

    // Makes port access available, or says why it cannot be.
    virtual PortAccessFailure Open() = 0;
    // True when port access works now (the port driver is open).
    virtual bool IsUsable() = 0;
    // False when the back end refused the access: nothing was written.
    virtual bool Write(std::uint16_t port, std::uint8_t value) = 0;
    // The byte read is in the low 8 bits; the high bits are whatever the back end yields. Empty
    // when the back end refused the access.
    virtual std::optional<std::uint16_t> Read(std::uint16_t port) = 0;
};
