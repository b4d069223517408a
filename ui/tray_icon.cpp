#include "ui/tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "ui/core/tray_controller.h"

namespace {

#ifndef _WIN64
static_assert(sizeof(NOTIFYICONDATAA) == 508,
              "the record size the shell expects of 32-bit programs");
#endif

constexpr char kTip[] = "Glint_Controls";

NOTIFYICONDATAA IconRecord(HWND window) {
    NOTIFYICONDATAA record{};
    record.cbSize = sizeof(record);
    record.hWnd = window;
    record.uID = TrayController::kIconId;
    return record;
}

} // namespace

bool AddTrayIcon(HWND window, HICON icon) {
    NOTIFYICONDATAA record = IconRecord(window);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = TrayController::kNotifyMessage;
    record.hIcon = icon;
    static_assert(sizeof(kTip) <= sizeof(record.szTip));
    std::memcpy(record.szTip, kTip, sizeof(kTip));
    return ::Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
}

void RemoveTrayIcon(HWND window) {
    NOTIFYICONDATAA record = IconRecord(window);
    ::Shell_NotifyIconA(NIM_DELETE, &record);
}
