// The start-up and idle yardstick: the least Win32 dialog program, built with the same
// toolchain, options and static runtime as glint.exe, showing a borderless dialog of the same
// size from its own template and painting it with one brush. Its second build also starts
// the common controls as glint.exe does, to tell that part of glint's start-up; its third does
// what glint.exe must do at rest and no more: one 500 ms timer that reads the power-level byte
// through glint's own EC access (io.dll, bus mutex, Super-I/O protocol).
#include <windows.h>

#ifdef BASELINE_COMMON_CONTROLS
#include <commctrl.h>
#endif

#ifdef BASELINE_POLL
#include <optional>

#include "ec/ec_port.h"
#include "ec/ec_registers.h"
#endif

#include "baseline_ids.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;

#ifdef BASELINE_POLL
std::optional<EcPort> ec;

void StartPolling(HWND dialog) {
    ec.emplace(); // ends the process when io.dll is not beside the program
    SetTimer(dialog, kPollTimer, 500, nullptr);
}

void Poll(UINT_PTR timer) {
    if (timer == kPollTimer) {
        ec->ReadByte(static_cast<std::uint16_t>(ec->registerBase + ec::kPowerLevelOffset));
    }
}
#else
void StartPolling(HWND) {}
void Poll(UINT_PTR) {}
#endif

INT_PTR CALLBACK BaselineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        StartPolling(dialog);
        return TRUE;
    case WM_TIMER:
        Poll(wParam);
        return TRUE;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(GetStockObject(DKGRAY_BRUSH));
    case WM_COMMAND:
        if (LOWORD(wParam) == kBaselineExit) {
            EndDialog(dialog, 0);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef BASELINE_COMMON_CONTROLS
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    DialogBoxParamA(instance, MAKEINTRESOURCEA(kBaselineDialog), nullptr, BaselineProc, 0);
    return 0;
}
