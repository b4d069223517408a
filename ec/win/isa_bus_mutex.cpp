#include "ec/win/isa_bus_mutex.h"

#include <sddl.h>

namespace {

constexpr char kMutexName[] = "Global\\Access_ISABUS.HTP.Method";

// Everyone gets full access, as the other tools that share this mutex grant it, so that a
// process of another user can open it whoever created it first.
HANDLE CreateSharedMutex() {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;GA;;;WD)", SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
        return nullptr;
    }
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor, FALSE};
    HANDLE mutex = CreateMutexA(&attributes, FALSE, kMutexName);
    LocalFree(descriptor);
    return mutex;
}

} // namespace

IsaBusMutex::IsaBusMutex() {
    mutex.Reset(OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kMutexName));
    if (!mutex) {
        mutex.Reset(CreateSharedMutex());
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
