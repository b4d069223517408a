#include "glint_process.h"
#include "tests/support/scratch_folder.h"

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
    stateFolder = testsupport::NewScratchFolder("glint_ec");
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
    wintest::ProcessStart start(options.program, options.arguments, options.program.parent_path());
    start.environment = EnvironmentWithState(ec->Path());
    startTimeNs = ecsim::NowNs();
    child = wintest::ChildProcess(start);
    if (!child.Started()) {
        error = "CreateProcess failed with error " + std::to_string(child.StartError());
    }
}

GlintProcess::~GlintProcess() {
    child.Terminate();
    ec.reset();
    if (!stateFolder.empty()) {
        RemoveTree(stateFolder);
    }
}

std::vector<HWND> GlintProcess::TopLevelWindows() const {
    return TopLevelWindowsOf(child.Id());
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
        ::WaitForInputIdle(child.Handle(), static_cast<DWORD>(timeout.count()));
    }
    return window;
}

} // namespace e2e
