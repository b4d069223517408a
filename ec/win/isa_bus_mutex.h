#pragma once

#include <windows.h>

#include "ec/bus_lock.h"
#include "framework/owned_handle.h"

// The mutex "Global\Access_ISABUS.HTP.Method" that hardware-monitoring tools share for
// Super-I/O port access.
class IsaBusMutex final : public BusLock {
public:
    IsaBusMutex();

    bool Acquire(std::uint32_t waitMs) override;
    void Release() override;

private:
    OwnedKernelHandle mutex;
};
