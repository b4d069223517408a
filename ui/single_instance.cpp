#include "ui/single_instance.h"

#include "ec/win/isa_bus_mutex.h"
#include "ui/core/language.h"
#include "ui/core/window_title.h"

namespace {

constexpr wchar_t kBringForwardName[] = L"Glint_Controls.BringForward";
constexpr char kDialogClass[] = "#32770";
constexpr UINT kAnswerTimeoutMs = 5000;

// Keeps the mutex that creating gave, and says what the creation found.
NamedObject Keep(OwnedKernelHandle& holder, HANDLE created) {
    const DWORD error = ::GetLastError();
    holder.Reset(created);
    if (created != nullptr) {
        return error == ERROR_ALREADY_EXISTS ? NamedObject::Existing : NamedObject::Created;
    }
    return error == ERROR_ACCESS_DENIED ? NamedObject::Existing : NamedObject::Unavailable;
}

} // namespace

OneCopyStart SingleInstance::Claim() {
    const NamedObject marker =
        Keep(sessionMarker, ::CreateMutexW(nullptr, FALSE, kOneCopySessionMarkerName));
    // Machine-wide, and open to the copies of other users' sessions.
    const NamedObject machineGuard = Keep(guard, CreateMutexOpenToEveryone(kOneCopyGuardName));
    const OneCopyStart start = DecideOneCopyStart(marker, machineGuard);
    if (start != OneCopyStart::Run) {
        Release();
    }
    return start;
}

void SingleInstance::Release() {
    guard.Reset();
    sessionMarker.Reset();
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

void ShowRunsInAnotherSession(std::uint16_t languageId) {
    // No window of ours exists: the box comes to the front of its own accord.
    ::MessageBoxW(nullptr, language::LanguageFor(languageId).runsInAnotherSession,
                  L"Glint Controls", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
}
