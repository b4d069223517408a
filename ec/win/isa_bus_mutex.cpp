#include "ec/win/isa_bus_mutex.h"

#include <sddl.h>

namespace {

constexpr wchar_t kMutexName[] = L"Global\\Access_ISABUS.HTP.Method";
// All that waiting for the mutex and releasing it needs.
constexpr DWORD kLockRights = SYNCHRONIZE | MUTEX_MODIFY_STATE;

} // namespace

HANDLE CreateMutexOpenToEveryone(const wchar_t* name) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;GA;;;WD)", SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
        return nullptr;
    }
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor, FALSE};
    HANDLE mutex = CreateMutexW(&attributes, FALSE, name);
    const DWORD error = GetLastError();
    LocalFree(descriptor);
    SetLastError(error);
    return mutex;
}

IsaBusMutex::IsaBusMutex() {
    mutex.Reset(OpenMutexW(kLockRights, FALSE, kMutexName));
    if (!mutex) {
        mutex.Reset(CreateMutexOpenToEveryone(kMutexName));
    }
    if (!mutex) {
        // Another tool created it after our open, with a descriptor that refuses the full access
        // a create asks for; the rights of a lock it may still grant.
        mutex.Reset(OpenMutexW(kLockRights, FALSE, kMutexName));
    }
}

bool IsaBusMutex::Acquire(std::uint32_t waitMs) {
    // Without the mutex (it exists but refuses us) accesses go on unguarded, as they would
    // without any other tool present.
    if (!mutex) {
        return true;
    }
    const DWORD result = WaitForSingleObject(mutex.Get(), waitMs);
    // An abandoned mutex is ours now; the tool that died left the ports idle.
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void IsaBusMutex::Release() {
    if (mutex) {
        ReleaseMutex(mutex.Get());
    }
}
