#include "launch.h"

#include "clock.h"
#include "glint_ids.h"
#include "process_windows.h"
#include "report.h"

std::optional<Launched> LaunchAndWait(const std::string& exe, double timeoutMs) {
    auto process = ChildProcess::Start(exe);
    if (!process) {
        Note("cannot start " + exe);
        return std::nullopt;
    }
    Launched launched{std::move(*process), nullptr, 0, 0, {}};
    const double start = launched.process.StartedAtMs();
    while (NowMs() - start < timeoutMs) {
        if (!launched.process.IsRunning()) {
            Note(exe + " ended during start-up, exit code " +
                 std::to_string(launched.process.ExitCode()));
            return std::nullopt;
        }
        HWND main = FindMainWindow(launched.process.Id());
        if (main != nullptr && IsWindowVisible(main)) {
            if (launched.shownMs == 0) {
                launched.shownMs = NowMs() - start;
            }
            if (IsPainted(main)) {
                launched.paintedMs = NowMs() - start;
                launched.mainWindow = main;
                return launched;
            }
        }
        launched.messageBoxes.Poll(launched.process, main);
        Sleep(1);
    }
    Note(exe + " showed no painted main window within " + std::to_string(timeoutMs) + " ms");
    return std::nullopt;
}

void MessageBoxWatcher::Poll(const ChildProcess& process, HWND mainWindow) {
    const DWORD id = process.Id();
    for (HWND box : FindMessageBoxes(id, mainWindow, FindPopup(id))) {
        if (dismissed_.insert(box).second) {
            Note("message box dismissed: " + DismissMessageBox(box));
        }
    }
}

bool HideMainWindow(HWND mainWindow) {
    if (HWND min = GetDlgItem(mainWindow, glint_ids::kMinButton)) {
        // glint keeps its window when the tray does not take its icon (Wine's tray can be slow
        // to answer on a busy machine): click again, as a user would.
        int clicks = 0;
        for (; clicks < 3 && IsWindowVisible(mainWindow); ++clicks) {
            SendWithin(min, BM_CLICK, 0, 0, 5000);
            for (int i = 0; i < 500 && IsWindowVisible(mainWindow); ++i) {
                Sleep(10);
            }
        }
        if (clicks > 1) {
            Note("MIN clicked " + std::to_string(clicks) +
                 " times before the window hid or the driver gave up");
        }
        return !IsWindowVisible(mainWindow);
    }
    // A dialog box shows itself once more when its queue first runs empty, which can come
    // after our hide: hide again until it stays hidden.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (HideWindow(mainWindow)) {
            Sleep(300);
            if (!IsWindowVisible(mainWindow)) {
                return true;
            }
        }
    }
    return false;
}
