#include "tools/ecsim/dll/state_access.h"

#include <windows.h>

#include <filesystem>
#include <string>

#include "framework/path_text.h"
#include "tools/ecsim/state/unix_path.h"

namespace ecsim {

namespace {

std::mutex stateLock;
std::optional<StateFile> stateFile;

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
        return WindowsPathFromUnix(value);
    }
    return value;
}

} // namespace

StateAccess::StateAccess() : hold(stateLock) {
    if (!stateFile) {
        stateFile = OpenOrCreateState(StatePath());
    }
    if (stateFile) {
        state.emplace(*stateFile);
    }
}

} // namespace ecsim
