#include "tray.h"

#include <shellapi.h>

namespace e2e {

namespace {

NOTIFYICONDATAW Record(HWND owner, UINT iconId) {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = owner;
    record.uID = iconId;
    return record;
}

} // namespace

bool TrayIconPresent(HWND owner, UINT iconId) {
    NOTIFYICONDATAW record = Record(owner, iconId);
    return ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool RemoveTrayIconOf(HWND owner, UINT iconId) {
    NOTIFYICONDATAW record = Record(owner, iconId);
    return ::Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
}

HWND WineTrayWindow() {
    const HWND tray = ::FindWindowW(L"__winex11_standalone_tray", nullptr);
    return tray != nullptr && ::IsWindowVisible(tray) ? tray : nullptr;
}

POINT WineTrayIconCenter(int index) {
    const HWND tray = WineTrayWindow();
    RECT client{};
    ::GetClientRect(tray, &client);
    // Icons sit side by side in square cells as high as the client area.
    const int cell = client.bottom - client.top;
    POINT center{cell * index + cell / 2, cell / 2};
    ::ClientToScreen(tray, &center);
    return center;
}

} // namespace e2e
