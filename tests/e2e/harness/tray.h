#pragma once
#include <windows.h>

namespace e2e {

inline constexpr UINT kGlintTrayIconId = 128;
inline constexpr UINT kGlintTrayMessage = WM_USER + 1;

// Asks the shell itself: a modification that changes nothing succeeds only for an icon the
// shell holds for that window and id.
bool TrayIconPresent(HWND owner, UINT iconId = kGlintTrayIconId);
// Removes an icon on its owner's behalf, as a rebuilt taskbar that lost its icons would.
bool RemoveTrayIconOf(HWND owner, UINT iconId = kGlintTrayIconId);
// Wine's own notification area, shown when there is no desktop tray to dock into; null while
// it is hidden (no icons).
HWND WineTrayWindow();
// The centre of the index-th icon of Wine's notification area, in screen coordinates.
POINT WineTrayIconCenter(int index = 0);

} // namespace e2e
