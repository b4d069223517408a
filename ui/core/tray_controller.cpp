#include "ui/core/tray_controller.h"

namespace {

constexpr std::uint32_t kLeftButtonUp = 0x0202;  // WM_LBUTTONUP
constexpr std::uint32_t kRightButtonUp = 0x0205; // WM_RBUTTONUP

} // namespace

TrayController::TrayController(TrayShell& trayShell, const std::uint16_t& windowLanguageId)
    : shell(trayShell), languageId(windowLanguageId) {}

void TrayController::HideToTray() {
    if (!shell.AddIcon()) {
        return;
    }
    iconShown = true;
    shell.HideMainWindow();
    hiddenToTray = 1;
}

void TrayController::DeleteTrayIcon() {
    shell.DeleteIcon();
    iconShown = false;
}

void TrayController::RestoreWindow() {
    shell.ShowMainWindow();
    DeleteTrayIcon();
}

std::intptr_t TrayController::OnTrayNotify(std::uint32_t iconId, std::uint32_t mouseMessage) {
    if (iconId != kIconId) {
        return 1;
    }
    if (mouseMessage == kLeftButtonUp) {
        RestoreWindow();
        hiddenToTray = 0;
    } else if (mouseMessage == kRightButtonUp) {
        const std::uint32_t chosen = shell.TrackMenu(TrayMenuEntries(languageId));
        if (chosen == kTrayOpenMainUiCommand) {
            RestoreWindow();
        } else if (chosen == kTrayExitCommand) {
            RemoveIconForExit();
            shell.EndProcess();
        }
    }
    return 0;
}

void TrayController::OnTaskbarCreated() {
    if (!iconShown) {
        return;
    }
    // A shell that kept our icon would refuse a second one; a shell that lost it ignores this.
    shell.DeleteIcon();
    if (shell.AddIcon()) {
        return;
    }
    // Without an icon the hidden window could not be reached again.
    iconShown = false;
    shell.ShowMainWindow();
    hiddenToTray = 0;
}

void TrayController::RemoveIconForExit() {
    DeleteTrayIcon();
}

void TrayController::BringForward() {
    if (!iconShown) {
        shell.ShowMainWindow();
        return;
    }
    RestoreWindow();
    hiddenToTray = 0;
}
