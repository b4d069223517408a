#include "soak_target.h"

#include "clock.h"
#include "glint_ids.h"
#include "process_windows.h"

void DismissMessageBoxes(SoakTarget& target) {
    auto& app = target.glint.app;
    app.messageBoxes.Poll(app.process, app.mainWindow);
}

void HidePopups(std::vector<SoakTarget>& targets, const SoakTarget* except) {
    for (auto& target : targets) {
        if (&target == except || !target.running) {
            continue;
        }
        if (HWND popup = FindPopup(target.glint.app.process.Id())) {
            HideWindow(popup);
        }
    }
}

bool ShowLevelThroughEc(SoakTarget& target, std::uint8_t level, double timeoutMs) {
    auto setAndWait = [&](std::uint8_t value) {
        const std::uint64_t since = EcClockNs();
        if (!target.glint.ec.SetPowerLevel(value)) {
            return false;
        }
        for (const double start = NowMs(); NowMs() - start < timeoutMs; Sleep(20)) {
            DismissMessageBoxes(target);
            if (target.glint.ec.PowerLevelReadSince(value, since)) {
                target.lastValidLevel = value;
                return true;
            }
        }
        return false;
    };
    if (target.lastValidLevel == level && !setAndWait(static_cast<std::uint8_t>(level % 3 + 1))) {
        return false;
    }
    return setAndWait(level);
}

std::vector<Capture> CaptureButtons(SoakTarget& target) {
    DismissMessageBoxes(target);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    ClickAndWait(target.glint.Button(kModes[0].button));
    Sleep(300); // the buttons repaint after the click
    Responds(target.glint.app.mainWindow);
    std::vector<Capture> looks;
    for (int id : glint_ids::VisibleButtons()) {
        RECT rect{};
        GetWindowRect(target.glint.Button(id), &rect);
        looks.push_back(CaptureScreen(rect));
    }
    return looks;
}

Capture CapturePopupAtLevel2(SoakTarget& target) {
    if (!ShowLevelThroughEc(target, 2)) {
        return {};
    }
    const DWORD id = target.glint.app.process.Id();
    for (const double start = NowMs(); NowMs() - start < 3000; Sleep(20)) {
        DismissMessageBoxes(target);
        HWND popup = FindPopup(id);
        if (popup != nullptr && IsPainted(popup)) {
            Sleep(250); // its 100 ms repaint has shown the new level by then
            RECT rect{};
            GetWindowRect(popup, &rect);
            return CaptureScreen(rect);
        }
    }
    return {};
}
