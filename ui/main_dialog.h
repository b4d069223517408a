#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ec/ec_port.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "led/ec_startup_retry.h"
#include "led/led_mode_controller.h"
#include "led/power_level_monitor.h"
#include "ui/core/tray_controller.h"
#include "ui/kept_mode_record.h"
#include "ui/power_popup_window.h"
#include "widgets/button/skin_button.h"

// The main window: a borderless dialog whose whole surface is the skin's background and whose
// eight skinned buttons pick the lighting effect, hide the window behind a tray icon and end the
// program. It cannot be closed by keys or close requests. It owns the EC ports, the lighting-mode
// controller, the power-level monitor and the tray icon logic, and serves each of them as their
// window.
class CZUQ_RGB_LED_ToolDlg : public CDialog,
                             private ModeButtonView,
                             private PowerMonitorHost,
                             private TrayShell {
public:
    CZUQ_RGB_LED_ToolDlg();

    // False when no way to the ports could be had; then the window must not be run, and
    // FailedPortWays says why.
    bool EcReady() const { return ec.ready; }
    const std::vector<PortWayFailure>& FailedPortWays() const { return ec.FailedWays(); }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnSysCommand(UINT id, LPARAM param);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType);
    // Any button in the mode buttons' id range; ids without a mode are left alone.
    void OnModeClicked(UINT id);
    void OnTestLevel();
    void OnCancelCommand();
    void OnExit();
    void OnLButtonDown(UINT flags, POINT point);
    void OnTimer(UINT_PTR id);
    void OnMinimizeToTray();
    LRESULT OnTrayNotify(WPARAM iconId, LPARAM mouseMessage);
    LRESULT OnPowerBroadcast(WPARAM event, LPARAM data);

    DECLARE_MESSAGE_MAP()

private:
    void AddAboutEntry();
    void LoadBackground();
    void GiveStartupIcons();
    CSkinButton* ButtonOf(int controlId);
    CSkinButton* WindowButtonOf(int controlId);

    // ModeButtonView
    void SetButtonIcon(int controlId, const std::string& iconPath) override;
    // PowerMonitorHost
    PowerPopup* Popup() override;
    PowerPopup& CreatePopup(std::string folder) override;
    std::uint8_t HiddenToTrayFlag() const override;
    void StartTimer(std::uintptr_t timerId, std::uint32_t periodMs) override;
    void StopTimer(std::uintptr_t timerId) override;
    // TrayShell
    bool AddIcon() override;
    void DeleteIcon() override;
    void ShowMainWindow() override;
    void HideMainWindow() override;
    std::uint32_t TrackMenu(const std::array<TrayMenuEntry, 2>& entries) override;
    [[noreturn]] void EndProcess() override;

    EcPort ec;
    // Constructed for its start-up traffic only, like the first; never used otherwise.
    EcPort secondEc;
    // The start-up of both ports, when another tool kept the bus while they were constructed.
    EcStartupRetry startupRetry;
    HICON appIcon = nullptr; // a shared resource icon: not destroyed
    std::unique_ptr<PowerPopupWindow> popup;
    TrayController tray;
    KeptModeRecord keptMode;
    CBrush backgroundBrush;
    CSkinButton minButton;
    CSkinButton exitButton;
    // One per button of the mode row.
    std::array<CSkinButton, kModeRowSize> modeButtons;
    LedModeController ledModes;
    PowerLevelMonitor powerMonitor;
    std::string exeFolder;
    std::string skinFolder;
    std::uint16_t languageId = 0;
    UINT taskbarCreatedMessage = 0;
    UINT bringForwardMessage = 0;
};
