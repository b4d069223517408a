#pragma once

#include <windows.h>

#include "ec/port_io.h"
#include "framework/owned_handle.h"

// Port access through the io.dll port-I/O library, bound at run time.
class IoDllPortIo final : public PortIo {
public:
    PortAccessFailure Open() override;
    bool IsUsable() override;
    bool Write(std::uint16_t port, std::uint8_t value) override;
    std::optional<std::uint16_t> Read(std::uint16_t port) override;

private:
    using Out32Fn = void(__stdcall*)(short port, short value);
    using Inp32Fn = short(__stdcall*)(short port);
    using DriverTestFn = BOOL(__stdcall*)();

    OwnedModule ioLibrary;
    Out32Fn out32 = nullptr;
    Inp32Fn inp32 = nullptr;
    DriverTestFn isInpOutDriverOpen = nullptr;
    // Bound with the others so that a library lacking it counts as missing; never called.
    DriverTestFn isXp64Bit = nullptr;
};
