#include "ui/taskbar_created.h"

namespace {

// ChangeWindowMessageFilterEx exists from Windows 7 on; bound at run time so that the program
// still starts where it does not.
using ChangeFilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
constexpr DWORD kMessageFilterAllow = 1; // MSGFLT_ALLOW

void AllowFromAnyProcess(HWND window, UINT message) {
    const HMODULE user32 = ::GetModuleHandleA("user32.dll");
    if (user32 == nullptr) {
        return;
    }
    const auto changeFilter = reinterpret_cast<ChangeFilterFn>(
        reinterpret_cast<void (*)()>(::GetProcAddress(user32, "ChangeWindowMessageFilterEx")));
    if (changeFilter != nullptr) {
        changeFilter(window, message, kMessageFilterAllow, nullptr);
    }
}

} // namespace

UINT ListenForTaskbarCreated(HWND window) {
    const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
    if (message != 0) {
        AllowFromAnyProcess(window, message);
    }
    return message;
}
