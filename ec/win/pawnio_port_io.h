#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "ec/port_io.h"
#include "framework/owned_handle.h"

// Port access through PawnIO: its library PawnIOLib.dll from PawnIO's install folder, running
// the LpcIO module (LpcIO.bin beside the program) on the Super-I/O pair 0x4E/0x4F, which is all
// the module then allows. The driver refuses a process that is not elevated and a module that is
// not signed; either is reported by Open. Any single access may be refused too.
class PawnIoPortIo final : public PortIo {
public:
    PawnIoPortIo() = default;
    PawnIoPortIo(const PawnIoPortIo&) = delete;
    PawnIoPortIo& operator=(const PawnIoPortIo&) = delete;
    // Closes the driver handle before the library goes.
    ~PawnIoPortIo() override;

    PortAccessFailure Open() override;
    bool IsUsable() override { return handle != nullptr; }
    bool Write(std::uint16_t port, std::uint8_t value) override;
    std::optional<std::uint16_t> Read(std::uint16_t port) override;

private:
    using OpenFn = HRESULT(__stdcall*)(PHANDLE handle);
    using LoadFn = HRESULT(__stdcall*)(HANDLE handle, const UCHAR* blob, SIZE_T size);
    using ExecuteFn = HRESULT(__stdcall*)(HANDLE handle, PCSTR name, const ULONG64* in,
                                          SIZE_T inSize, PULONG64 out, SIZE_T outSize,
                                          PSIZE_T returnSize);
    using CloseFn = HRESULT(__stdcall*)(HANDLE handle);

    PortAccessFailure LoadLibraryFunctions();
    PortAccessFailure OpenDriver();
    PortAccessFailure LoadModule();
    // Runs one module function; true when it succeeded and gave all outCount values.
    bool Execute(const char* function, std::initializer_list<ULONG64> in, ULONG64* out,
                 SIZE_T outCount);
    void CloseDriver();

    OwnedModule library;
    OpenFn open = nullptr;
    LoadFn load = nullptr;
    ExecuteFn execute = nullptr;
    CloseFn close = nullptr;
    HANDLE handle = nullptr;
};
