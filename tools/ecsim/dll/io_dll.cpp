// The simulated port-I/O library: io.dll's four entry points over the state file of the
// simulated EC. The file is ECSIM_STATE (a Windows path, or under Wine a Unix path), else
// ecsim_state.bin beside this library; it is created with the default state when missing.
#include <windows.h>

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

#include "framework/path_text.h"
#include "tools/ecsim/state/ec_sim_state.h"
#include "tools/ecsim/state/unix_path.h"

namespace {

std::mutex stateLock;
std::optional<ecsim::StateFile> stateFile;

std::filesystem::path DefaultStatePath() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&DefaultStatePath), &self);
    const std::wstring path =
        ReadWholeString<wchar_t>([self](wchar_t* buffer, std::size_t capacity) {
            return static_cast<std::size_t>(
                GetModuleFileNameW(self, buffer, static_cast<DWORD>(capacity)));
        });
    if (path.empty()) {
        return L"ecsim_state.bin";
    }
    return std::filesystem::path(path).replace_filename(L"ecsim_state.bin");
}

std::filesystem::path StatePath() {
    const DWORD needed = GetEnvironmentVariableA("ECSIM_STATE", nullptr, 0);
    if (needed == 0) {
        return DefaultStatePath();
    }
    std::string value(needed, '\0');
    value.resize(GetEnvironmentVariableA("ECSIM_STATE", value.data(), needed));
    if (!value.empty() && value.front() == '/') {
        return ecsim::WindowsPathFromUnix(value);
    }
    return value;
}

// Runs an operation on the state, opening (and if need be creating) the file on first use.
template <typename Operation> auto WithState(Operation operation) {
    const std::lock_guard<std::mutex> hold(stateLock);
    if (!stateFile) {
        stateFile = ecsim::OpenOrCreateState(StatePath());
    }
    std::optional<ecsim::EcSimState> state;
    if (stateFile) {
        state.emplace(*stateFile);
    }
    return operation(state ? &*state : nullptr);
}

} // namespace

extern "C" {

void __stdcall Out32(short port, short value) {
    WithState([&](ecsim::EcSimState* state) {
        if (state != nullptr) {
            state->PortWrite(static_cast<std::uint16_t>(port), static_cast<std::uint8_t>(value));
        }
    });
}

short __stdcall Inp32(short port) {
    return WithState([&](ecsim::EcSimState* state) -> short {
        return static_cast<short>(
            state != nullptr ? state->PortRead(static_cast<std::uint16_t>(port)) : 0xFF);
    });
}

BOOL __stdcall IsInpOutDriverOpen() {
    return WithState([](ecsim::EcSimState* state) -> BOOL {
        return state != nullptr && state->DriverOpen() ? TRUE : FALSE;
    });
}

BOOL __stdcall IsXP64Bit() {
    return FALSE;
}

} // extern "C"
