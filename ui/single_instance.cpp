#include "ui/single_instance.h"

#include "ui/core/window_title.h"

namespace {

constexpr wchar_t kGuardName[] = L"Local\\Glint_Controls.SingleInstance";
constexpr wchar_t kBringForwardName[] = L"Glint_Controls.BringForward";
constexpr char kDialogClass[] = "#32770";
constexpr UINT kAnswerTimeoutMs = 5000;

} // namespace

bool SingleInstance::Claim() {
    guard.Reset(::CreateMutexW(nullptr, FALSE, kGuardName));
    if (guard) {
        return ::GetLastError() != ERROR_ALREADY_EXISTS;
    }
    // A guard made by a copy run as administrator exists but refuses a copy run without.
    // Anything else that keeps the guard from being made leaves the program to run as it would
    // alone.
    return ::GetLastError() != ERROR_ACCESS_DENIED;
}

UINT BringForwardMessage() {
    static const UINT message = ::RegisterWindowMessageW(kBringForwardName);
    return message;
}

void BringRunningCopyForward() {
    const HWND window = ::FindWindowA(kDialogClass, MainWindowTitle().c_str());
    if (window == nullptr) {
        return;
    }
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    // This copy was started by the user just now and may bring a window to the front; the
    // running copy may do so only with its leave.
    ::AllowSetForegroundWindow(processId);
    ::SendMessageTimeoutW(window, BringForwardMessage(), 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                          nullptr);
}
