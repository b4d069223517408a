// The main window as the window of the lighting-mode controller, the power-level monitor and the
// tray icon logic.
#include <cstdlib>

#include "framework/app.h"
#include "res/resource.h"
#include "ui/main_dialog.h"
#include "ui/skin_images.h"
#include "ui/tray_icon.h"
#include "ui/tray_menu.h"

CSkinButton* CZUQ_RGB_LED_ToolDlg::ButtonOf(int controlId) {
    const std::size_t row = RowOfButton(controlId);
    return row < kModeRowSize ? &modeButtons[row] : nullptr;
}

void CZUQ_RGB_LED_ToolDlg::SetButtonIcon(int controlId, const std::string& iconPath) {
    if (CSkinButton* target = ButtonOf(controlId)) {
        // The button owns the icon from here on; a null icon leaves it without an image.
        target->SetIcons(LoadSkinIcon(iconPath), nullptr);
    }
}

PowerPopup* CZUQ_RGB_LED_ToolDlg::Popup() {
    return popup.get();
}

PowerPopup& CZUQ_RGB_LED_ToolDlg::CreatePopup(std::string folder) {
    popup = std::make_unique<PowerPopupWindow>(std::move(folder), this);
    return *popup;
}

std::uint8_t CZUQ_RGB_LED_ToolDlg::HiddenToTrayFlag() const {
    return tray.HiddenToTrayFlag();
}

void CZUQ_RGB_LED_ToolDlg::StartTimer(std::uintptr_t timerId, std::uint32_t periodMs) {
    SetTimer(timerId, periodMs);
}

void CZUQ_RGB_LED_ToolDlg::StopTimer(std::uintptr_t timerId) {
    KillTimer(timerId);
}

bool CZUQ_RGB_LED_ToolDlg::AddIcon() {
    return AddTrayIcon(m_hWnd,
                       ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)));
}

void CZUQ_RGB_LED_ToolDlg::DeleteIcon() {
    RemoveTrayIcon(m_hWnd);
}

void CZUQ_RGB_LED_ToolDlg::ShowMainWindow() {
    ShowWindow(SW_SHOW);
    SetForegroundWindow();
}

void CZUQ_RGB_LED_ToolDlg::HideMainWindow() {
    ShowWindow(SW_HIDE);
}

std::uint32_t CZUQ_RGB_LED_ToolDlg::TrackMenu(const std::array<TrayMenuEntry, 2>& entries) {
    return TrackTrayMenu(m_hWnd, entries);
}

void CZUQ_RGB_LED_ToolDlg::EndProcess() {
    std::exit(0);
}
