// The start-up and idle yardstick: the least Win32 dialog program, built with the same
// toolchain, options and static runtime as glint.exe, showing a borderless dialog of the same
// size from its own template and painting it with one brush. Its second build also starts
// the common controls (version 6) as glint.exe does, to tell that part of glint's start-up; its
// third runs timers of glint's periods that do nothing, to tell the cost of waking up alone.
#include <windows.h>

#ifdef BASELINE_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include "baseline_ids.h"

namespace {

#ifdef BASELINE_TIMERS
constexpr bool kTimers = true;
#else
constexpr bool kTimers = false;
#endif

INT_PTR CALLBACK BaselineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        if constexpr (kTimers) {
            SetTimer(dialog, 1, 500, nullptr); // glint's power-level poll
            SetTimer(dialog, 2, 100, nullptr); // glint's popup refresh
        }
        return TRUE;
    case WM_TIMER:
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
