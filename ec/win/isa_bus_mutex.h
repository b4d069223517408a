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

// Creates the named mutex, not owned, or opens it when it exists (GetLastError then says
// ERROR_ALREADY_EXISTS). Created, it grants everyone full access, as the tools that share the bus
// mutex grant it, so that a process of another user or session can open it whoever made it first.
// Null when it can be had neither way, with GetLastError saying why.
HANDLE CreateMutexOpenToEveryone(const wchar_t* name);
