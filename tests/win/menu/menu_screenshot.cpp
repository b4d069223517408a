// Opens the owner-drawn File menu of the test template with TrackPopupMenu in the classic or the
// XP look, selects its first item and writes "x y RRGGBB" lines (screen pixels the drawn menu
// must show) to ready.txt; it closes the menu once done.txt appears, or after a time-out.
#include "menu_test_resources.h"
#include "widgets/menu/core/blend.h"
#include "widgets/menu/menu_class_state.h"
#include "widgets/menu/owner_draw_menu.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr int kTimeoutTicks = 900; // 100 ms each

COwnerDrawMenu* theMenu = nullptr;
HMENU filePopup = nullptr;
bool xpLook = false;
bool readyWritten = false;
bool timedOut = false;
int ticks = 0;
// Screen rectangles of the first two items as last drawn (ids 100 and 101).
RECT drawnItems[2] = {};

void RememberScreenRect(const DRAWITEMSTRUCT& item) {
    if (item.itemID != 100 && item.itemID != 101) {
        return;
    }
    POINT origin{};
    ::GetDCOrgEx(item.hDC, &origin);
    RECT& rect = drawnItems[item.itemID - 100];
    rect = item.rcItem;
    ::OffsetRect(&rect, origin.x, origin.y);
}

bool FileExists(const char* name) {
    return ::GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES;
}

void AddExpectation(std::string& lines, int x, int y, COLORREF color) {
    char line[64];
    std::snprintf(line, sizeof(line), "%d %d %02X%02X%02X\n", x, y, GetRValue(color),
                  GetGValue(color), GetBValue(color));
    lines += line;
}

// The selected first item and the unselected second one, at their right ends (clear of text),
// and the image column of the second one.
void WriteExpectations() {
    const RECT& selected = drawnItems[0];
    const RECT& plain = drawnItems[1];
    const int selectedY = (selected.top + selected.bottom) / 2;
    const int plainY = (plain.top + plain.bottom) / 2;
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    std::string lines;
    if (xpLook) {
        AddExpectation(lines, selected.right - 3, selectedY, BlendToWhite(0.7, highlight));
        AddExpectation(lines, plain.right - 3, plainY, ::GetSysColor(COLOR_WINDOW));
        AddExpectation(lines, plain.left + 3, plainY, ::GetSysColor(COLOR_BTNFACE));
    } else {
        AddExpectation(lines, selected.right - 3, selectedY, highlight);
        AddExpectation(lines, plain.right - 3, plainY, ::GetSysColor(COLOR_MENU));
    }
    // Written under another name first so that the reader never sees half of it.
    if (FILE* file = std::fopen("ready.tmp", "wb")) {
        std::fputs(lines.c_str(), file);
        std::fclose(file);
        ::MoveFileExA("ready.tmp", "ready.txt", MOVEFILE_REPLACE_EXISTING);
    }
}

void OnTick(HWND owner) {
    ++ticks;
    if (ticks >= kTimeoutTicks) {
        timedOut = true;
        ::EndMenu();
        return;
    }
    const bool firstSelected = (::GetMenuState(filePopup, 0, MF_BYPOSITION) & MF_HILITE) != 0;
    if (!firstSelected) {
        if (ticks % 10 == 2) {
            ::PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
        }
        return;
    }
    if (!readyWritten) {
        // One more tick lets the selection be painted.
        readyWritten = true;
        return;
    }
    if (!FileExists("ready.txt")) {
        WriteExpectations();
    } else if (FileExists("done.txt")) {
        ::EndMenu();
    }
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU) {
            theMenu->MeasureItem(item);
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU) {
            if (CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(item->hwndItem))) {
                menu->DrawItem(item);
                RememberScreenRect(*item);
            }
            return TRUE;
        }
        break;
    }
    case WM_MENUCHAR:
        return COwnerDrawMenu::HandleMenuChar(
            LOWORD(wParam), HIWORD(wParam),
            CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lParam)));
    case WM_TIMER:
        if (wParam == kTimer) {
            OnTick(hwnd);
            return 0;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

int main(int argc, char** argv) {
    xpLook = argc > 1 && std::strcmp(argv[1], "xp") == 0;
    MenuClass().osClass = xpLook ? 7 : 1;
    MenuClass().themeCache = {true, false};

    COwnerDrawMenu menu;
    if (!menu.LoadFromResource(IDM_NESTED)) {
        std::fputs("menu template not loaded\n", stderr);
        return 1;
    }
    theMenu = &menu;
    filePopup = ::GetSubMenu(menu.GetSafeHmenu(), 0);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = "GlintMenuScreenshot";
    ::RegisterClassA(&windowClass);
    HWND owner = ::CreateWindowExA(0, windowClass.lpszClassName, "Owner-drawn menu",
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 420, 300, nullptr,
                                   nullptr, windowClass.hInstance, nullptr);
    ::SetForegroundWindow(owner);
    ::SetTimer(owner, kTimer, 100, nullptr);
    ::TrackPopupMenu(filePopup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, 60, 60, 0, owner,
                     nullptr);
    ::KillTimer(owner, kTimer);
    ::DestroyWindow(owner);
    if (timedOut) {
        std::fputs("the menu was not shown and captured in time\n", stderr);
        return 2;
    }
    return 0;
}
