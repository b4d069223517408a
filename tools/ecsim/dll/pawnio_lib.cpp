// The simulated PawnIO library: PawnIOLib.dll's entry points, with a built-in LpcIO module over
// the simulated EC's state file (see StateAccess). Its driver loads only the test module, the
// build's stand-in for the signed LpcIO.bin, and needs no io.dll driver.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

#include "pawnio_test_module.h"
#include "tools/ecsim/dll/lpcio_module.h"
#include "tools/ecsim/dll/state_access.h"

namespace {

constexpr ULONG kVersion = 0x00020000;
// ERROR_INVALID_IMAGE_HASH (not in every mingw-w64): the module's signature does not verify.
constexpr HRESULT kModuleRefused = HRESULT_FROM_WIN32(577);
constexpr HRESULT kNoModuleLoaded = HRESULT_FROM_WIN32(ERROR_INVALID_STATE);
// What opening a driver that is not there gives.
constexpr HRESULT kNoDriver = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);

// The open handles, each with its module once one is loaded. A handle is a number that this
// table knows, so a stale or made-up one is refused, never followed.
std::mutex sessionsLock;
std::map<std::uintptr_t, std::optional<ecsim::LpcIoModule>> sessions;
std::uintptr_t lastHandle = 0;

std::optional<ecsim::LpcIoModule>* Find(HANDLE handle) {
    const auto found = sessions.find(reinterpret_cast<std::uintptr_t>(handle));
    return found != sessions.end() ? &found->second : nullptr;
}

// Whether the driver opens for this process; empty when the simulated EC cannot be reached.
std::optional<bool> DriverAdmits() {
    ecsim::StateAccess access;
    ecsim::EcSimState* state = access.State();
    return state != nullptr ? state->PawnIoElevated() : std::nullopt;
}

} // namespace

extern "C" {

HRESULT __stdcall pawnio_version(PULONG version) {
    if (version == nullptr) {
        return E_POINTER;
    }
    *version = kVersion;
    return S_OK;
}

HRESULT __stdcall pawnio_open(PHANDLE handle) {
    if (handle == nullptr) {
        return E_POINTER;
    }
    *handle = nullptr;
    const std::optional<bool> admitted = DriverAdmits();
    if (!admitted) {
        return kNoDriver;
    }
    if (!*admitted) {
        return E_ACCESSDENIED;
    }
    const std::lock_guard<std::mutex> hold(sessionsLock);
    sessions.emplace(++lastHandle, std::nullopt);
    *handle = reinterpret_cast<HANDLE>(lastHandle);
    return S_OK;
}

HRESULT __stdcall pawnio_load(HANDLE handle, const UCHAR* blob, SIZE_T size) {
    if (blob == nullptr && size != 0) {
        return E_POINTER;
    }
    const std::lock_guard<std::mutex> hold(sessionsLock);
    std::optional<ecsim::LpcIoModule>* module = Find(handle);
    if (module == nullptr) {
        return E_HANDLE;
    }
    if (size != sizeof(kPawnIoTestModule) - 1 || std::memcmp(blob, kPawnIoTestModule, size) != 0) {
        return kModuleRefused;
    }
    module->emplace();
    return S_OK;
}

HRESULT __stdcall pawnio_execute(HANDLE handle, PCSTR name, const ULONG64* in, SIZE_T inSize,
                                 PULONG64 out, SIZE_T outSize, PSIZE_T returnSize) {
    if (returnSize == nullptr || name == nullptr || (in == nullptr && inSize != 0) ||
        (out == nullptr && outSize != 0)) {
        return E_POINTER;
    }
    *returnSize = 0;
    const std::lock_guard<std::mutex> hold(sessionsLock);
    std::optional<ecsim::LpcIoModule>* module = Find(handle);
    if (module == nullptr) {
        return E_HANDLE;
    }
    if (!*module) {
        return kNoModuleLoaded;
    }
    const ecsim::LpcIoModule::Result result =
        (*module)->Execute(name, std::span(in, inSize), std::span(out, outSize));
    *returnSize = result.written;
    return result.status;
}

HRESULT __stdcall pawnio_close(HANDLE handle) {
    const std::lock_guard<std::mutex> hold(sessionsLock);
    return sessions.erase(reinterpret_cast<std::uintptr_t>(handle)) != 0 ? S_OK : E_HANDLE;
}

} // extern "C"
