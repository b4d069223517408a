#include "glint_process.h"

#include "file_ops.h"
#include "window_find.h"

namespace e2e {

namespace {

// This process's environment with ECSIM_STATE pointing at the run's own state file.
std::wstring EnvironmentWithState(const std::filesystem::path& statePath) {
    std::wstring block;
    if (wchar_t* strings = ::GetEnvironmentStringsW()) {
        for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
            if (_wcsnicmp(entry, L"ECSIM_STATE=", 12) != 0) {
                block.append(entry).push_back(L'\0');
            }
        }
        ::FreeEnvironmentStringsW(strings);
    }
    block.append(L"ECSIM_STATE=" + statePath.wstring()).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

} // namespace

GlintProcess::GlintProcess(const LaunchOptions& options) {
    stateFolder = NewTempFolder("glint_ec");
    if (stateFolder.empty()) {
        error = "no folder for the simulated EC's state";
        return;
    }
    ec = EcSim::Create(stateFolder / "ecsim_state.bin", options.powerLevel);
    if (ec == nullptr) {
        error = "cannot create the simulated EC's state";
        return;
    }
    if (options.prepareEc) {
        options.prepareEc(*ec);
    }
    std::wstring commandLine = L"\"" + options.program.wstring() + L"\"";
    if (!options.arguments.empty()) {
        commandLine += L" " + options.arguments;
    }
    std::wstring environment = EnvironmentWithState(ec->Path());
    const std::wstring folder = options.program.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    // Under Wine on a loaded machine a start is now and then refused with an internal error
    // before the program runs at all; a few tries keep that from reading as the program's doing.
    bool started = false;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0) {
            ::Sleep(200);
        }
        startTimeNs = ecsim::NowNs();
        started = ::CreateProcessW(options.program.c_str(), commandLine.data(), nullptr, nullptr,
                                   FALSE, CREATE_UNICODE_ENVIRONMENT, environment.data(),
                                   folder.c_str(), &startup, &info) != FALSE;
        if (!started) {
            error = "CreateProcess failed with error " + std::to_string(::GetLastError());
        }
    }
    if (!started) {
        return;
    }
    error.clear();
    ::CloseHandle(info.hThread);
    process = info.hProcess;
    pid = info.dwProcessId;
}

GlintProcess::~GlintProcess() {
    Terminate();
    if (process != nullptr) {
        ::CloseHandle(process);
    }
    ec.reset();
    if (!stateFolder.empty()) {
        RemoveTree(stateFolder);
    }
}

bool GlintProcess::IsRunning() const {
    return process != nullptr && ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> GlintProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (process == nullptr ||
        ::WaitForSingleObject(process, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!::GetExitCodeProcess(process, &code)) {
        return std::nullopt;
    }
    return code;
}

void GlintProcess::Terminate() {
    if (IsRunning()) {
        ::TerminateProcess(process, 1);
        ::WaitForSingleObject(process, 10000);
    }
}

std::vector<HWND> GlintProcess::TopLevelWindows() const {
    return TopLevelWindowsOf(pid);
}

HWND GlintProcess::FindWindowWhere(const std::function<bool(HWND)>& predicate) const {
    for (HWND window : TopLevelWindows()) {
        if (predicate(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND GlintProcess::WaitForWindow(const std::function<bool(HWND)>& predicate,
                                 std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindWindowWhere(predicate);
            return found != nullptr || !IsRunning();
        },
        timeout);
    return found;
}

HWND GlintProcess::WaitForMainWindow(std::chrono::milliseconds timeout) const {
    const HWND window = WaitForWindow(
        [](HWND candidate) {
            return ::IsWindowVisible(candidate) && ClassName(candidate) == kDialogClass &&
                   WindowText(candidate).rfind(L"Glint_Controls", 0) == 0;
        },
        timeout);
    // The dialog loop shows its window again when its queue first runs dry; input given
    // before then could be undone (a window hidden by MIN would come back).
    if (window != nullptr) {
        ::WaitForInputIdle(process, static_cast<DWORD>(timeout.count()));
    }
    return window;
}

} // namespace e2e
