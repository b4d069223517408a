#pragma once
#include <windows.h>

#include <array>

#include "ui/core/tray_menu_texts.h"

// Shows the tray icon's menu at the cursor, with owner brought to the foreground so that a click
// elsewhere dismisses it. Returns the chosen entry's command id, 0 when none was chosen; no
// command message is sent.
UINT TrackTrayMenu(HWND owner, const std::array<TrayMenuEntry, 2>& entries);
