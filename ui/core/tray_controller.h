#pragma once

#include <array>
#include <cstdint>

#include "ui/core/tray_menu_texts.h"

// What the tray logic needs of the main window and the shell.
class TrayShell {
public:
    virtual ~TrayShell() = default;

    // Adds the notification-area icon; false when the shell refuses it.
    virtual bool AddIcon() = 0;
    virtual void DeleteIcon() = 0;
    // Shows the main window and brings it to the foreground.
    virtual void ShowMainWindow() = 0;
    virtual void HideMainWindow() = 0;
    // Shows the menu at the cursor with the main window in front; returns the chosen entry's
    // command id, or 0 when the menu was dismissed.
    virtual std::uint32_t TrackMenu(const std::array<TrayMenuEntry, 2>& entries) = 0;
    // Ends the process with exit code 0.
    virtual void EndProcess() = 0;
};

// The MIN button's hiding of the main window behind a notification-area icon, the icon's
// clicks and menu, and the hidden-to-tray flag that the power-level popup's placement reads.
// The icon is never left behind by an ending process, and the window is never left hidden
// without an icon to bring it back.
class TrayController {
public:
    static constexpr std::uint32_t kIconId = 128;
    static constexpr std::uint32_t kNotifyMessage = 0x401; // WM_USER + 1

    // languageId is the main window's, read at each right click.
    TrayController(TrayShell& shell, const std::uint16_t& languageId);

    // Adds the icon and hides the window; the window stays when the icon cannot be added.
    void HideToTray();
    void DeleteTrayIcon();
    // The icon's notification: returns 1 for another icon id, 0 otherwise.
    std::intptr_t OnTrayNotify(std::uint32_t iconId, std::uint32_t mouseMessage);
    // The shell rebuilt the notification area, losing its icons: add ours again while hidden.
    void OnTaskbarCreated();
    // Called just before the process ends.
    void RemoveIconForExit();
    // A second start of the program asks for this copy's window: shown and in front, out of the
    // tray if it is hidden there (as a left click on the icon would).
    void BringForward();

    // 1 from hiding until a left click on the icon restores the window; the menu's Open entry
    // restores the window but leaves it at 1.
    std::uint8_t HiddenToTrayFlag() const { return hiddenToTray; }
    bool IconShown() const { return iconShown; }

private:
    void RestoreWindow();

    TrayShell& shell;
    const std::uint16_t& languageId;
    std::uint8_t hiddenToTray = 0;
    bool iconShown = false;
};
