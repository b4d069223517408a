#include "reference_menu.h"

#include <atomic>
#include <thread>

#include "wait.h"
#include "window_find.h"

namespace {

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND OpenMenuWindow() {
    for (HWND window : e2e::TopLevelWindowsOf(::GetCurrentProcessId())) {
        if (e2e::ClassName(window) == e2e::kMenuClass && ::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

e2e::Image ReferenceMenu(const std::vector<std::wstring>& entries, POINT at) {
    std::atomic<HWND> tracking{nullptr};
    std::thread tracker([&] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &OwnerProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"glint_reference_menu_owner";
        ::RegisterClassW(&windowClass);
        const HWND owner = ::CreateWindowW(windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1,
                                           nullptr, nullptr, windowClass.hInstance, nullptr);
        tracking = owner;
        const HMENU menu = ::CreatePopupMenu();
        UINT id = 1;
        for (const std::wstring& entry : entries) {
            ::AppendMenuW(menu, MF_STRING, id++, entry.c_str());
        }
        ::SetForegroundWindow(owner);
        ::TrackPopupMenu(menu, TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr);
        ::DestroyMenu(menu);
        ::DestroyWindow(owner);
    });
    HWND menuWindow = nullptr;
    e2e::WaitUntil([&] {
        menuWindow = OpenMenuWindow();
        return menuWindow != nullptr;
    });
    e2e::Image shown;
    if (menuWindow != nullptr) {
        // The menu window shows before it has painted: have it paint now, then take the picture
        // once two captures in a row agree.
        ::RedrawWindow(menuWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        e2e::Image previous = e2e::CaptureWindow(menuWindow);
        e2e::WaitUntil([&] {
            shown = e2e::CaptureWindow(menuWindow);
            const bool settled = e2e::MatchRatio(shown, previous, 0, 0) >= 1.0;
            previous = shown;
            return settled;
        });
        ::PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    } else if (tracking.load() != nullptr) {
        // No menu showed up: make sure the tracking thread does not wait for one forever.
        ::PostMessageW(tracking.load(), WM_CANCELMODE, 0, 0);
    }
    tracker.join();
    return shown;
}
