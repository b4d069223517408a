#include "window_find.h"

namespace e2e {

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    return wintest::TopLevelWindows(wintest::WindowOwner::Process(processId));
}

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

SIZE SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

RECT ControlRect(HWND dialog, int controlId) {
    return WindowRect(::GetDlgItem(dialog, controlId));
}

POINT ControlCenter(HWND dialog, int controlId) {
    const RECT rect = ControlRect(dialog, controlId);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::vector<RECT> VisibleChildRects(HWND dialog) {
    std::vector<RECT> rects;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child)) {
            rects.push_back(WindowRect(child));
        }
    }
    return rects;
}

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

} // namespace e2e
