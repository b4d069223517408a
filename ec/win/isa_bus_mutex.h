#pragma once

#include <windows.h>

#include "ec/bus_lock.h"

// The mutex "Global\Access_ISABUS.HTP.Method" that hardware-monitoring tools share for
// Super-I/O port access.
class IsaBusMutex final : public BusLock {
public:
    // Long enough to outlast another tool's single register access, short enough not to stall
    // the window's message loop.
    static constexpr DWORD kWaitMs = 50;

    IsaBusMutex();
    ~IsaBusMutex() override;
    IsaBusMutex(const IsaBusMutex&) = delete;
    IsaBusMutex& operator=(const IsaBusMutex&) = delete;

    bool Acquire() override;
    void Release() override;

private:
    HANDLE mutex = nullptr;
};
