#include "ui/tray_menu.h"

#include "framework/menu.h"

UINT TrackTrayMenu(HWND owner, const std::array<TrayMenuEntry, 2>& entries) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    CMenu menu;
    if (!menu.CreatePopupMenu()) {
        return 0;
    }
    for (const TrayMenuEntry& entry : entries) {
        ::AppendMenuW(menu, MF_STRING, entry.commandId, entry.text);
    }
    ::SetForegroundWindow(owner);
    return static_cast<UINT>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD, cursor.x, cursor.y, 0, owner, nullptr));
}
