// How a window object routes the messages that take a path of their own: commands, control
// colours, owner-draw and measure requests, and their reflection back to the child that sent them.
#include "framework/app.h"
#include "framework/dc.h"
#include "framework/menu_lookup.h"
#include "framework/wnd.h"

namespace {

bool IsCtlColor(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

template <typename Match>
bool RunEntry(CCmdTarget& target, const MessageMap* map, Match matches, WPARAM wParam,
              LPARAM lParam, LRESULT& result) {
    const MessageEntry* entry = FindMessageEntry(map, matches);
    return entry != nullptr && entry->handler(target, wParam, lParam, result);
}

bool RouteDrawItem(CWnd& self, WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (item == nullptr) {
        return false;
    }
    if (item->CtlType == ODT_MENU) {
        CMenu* menu = FindMenuForDraw(reinterpret_cast<HMENU>(item->hwndItem));
        if (menu == nullptr) {
            return false;
        }
        menu->DrawItem(item);
        return true;
    }
    CWnd* child = CWnd::FromHandlePermanent(item->hwndItem);
    LRESULT ignored = 0;
    return child != nullptr && child != &self &&
           child->OnChildNotify(WM_DRAWITEM, wParam, lParam, &ignored);
}

bool RouteMeasureItem(CWnd& self, int id, MEASUREITEMSTRUCT* item) {
    if (item == nullptr) {
        return false;
    }
    if (item->CtlType == ODT_MENU) {
        CMenu* menu = FindMenuForMeasure(item->itemID, item->itemData);
        if (menu == nullptr) {
            return false;
        }
        menu->MeasureItem(item);
        return true;
    }
    CWnd* child = CWnd::FromHandlePermanent(::GetDlgItem(self.m_hWnd, id));
    LRESULT ignored = 0;
    return child != nullptr && child != &self &&
           child->OnChildNotify(WM_MEASUREITEM, static_cast<WPARAM>(id),
                                reinterpret_cast<LPARAM>(item), &ignored);
}

} // namespace

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMap map{&CCmdTarget::GetThisMessageMap, nullptr, 0};
    return &map;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        return OnCommand(wParam, lParam, result);
    }
    const MessageMap* map = GetMessageMap();
    if (IsCtlColor(message)) {
        const auto anyCtlColor = [](const MessageEntry& e) {
            return e.message == kAnyCtlColor;
        };
        if (RunEntry(*this, map, anyCtlColor, wParam, lParam, *result)) {
            return TRUE;
        }
        CBorrowedDC dc(reinterpret_cast<HDC>(wParam));
        const HBRUSH brush = OnCtlColor(&dc, FromHandlePermanent(reinterpret_cast<HWND>(lParam)),
                                        message - WM_CTLCOLORMSGBOX);
        *result = reinterpret_cast<LRESULT>(brush);
        return TRUE;
    }
    const auto sameMessage = [message](const MessageEntry& e) {
        return e.message == message;
    };
    if (RunEntry(*this, map, sameMessage, wParam, lParam, *result)) {
        return TRUE;
    }
    if (message == WM_DRAWITEM && RouteDrawItem(*this, wParam, lParam)) {
        *result = TRUE;
        return TRUE;
    }
    if (message == WM_MEASUREITEM &&
        RouteMeasureItem(*this, static_cast<int>(wParam),
                         reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
        *result = TRUE;
        return TRUE;
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const UINT id = LOWORD(wParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    // Menus and accelerators send no control; both count as plain commands (code 0).
    const UINT code = control != nullptr ? HIWORD(wParam) : 0;
    if (control != nullptr) {
        CWnd* child = FromHandlePermanent(control);
        if (child != nullptr && child != this &&
            child->OnChildNotify(WM_COMMAND, wParam, lParam, result)) {
            return TRUE;
        }
    }
    if (OnCmdMsg(id, code, wParam, lParam, *result)) {
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code, wParam, lParam, *result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const MessageMap* map = GetMessageMap();
    LRESULT handled = 0;
    bool taken = false;
    if (message == WM_COMMAND) {
        const UINT code = HIWORD(wParam);
        taken = RunEntry(
            *this, map,
            [code](const MessageEntry& e) {
                return e.message == kReflectBase + WM_COMMAND && e.code == code;
            },
            wParam, lParam, handled);
    } else if (IsCtlColor(message)) {
        // The reflected colour handler gets the control type in place of the child's handle.
        taken = RunEntry(
            *this, map, [](const MessageEntry& e) { return e.message == kAnyCtlColorReflect; },
            wParam, static_cast<LPARAM>(message - WM_CTLCOLORMSGBOX), handled);
    } else {
        taken = RunEntry(
            *this, map,
            [message](const MessageEntry& e) { return e.message == kReflectBase + message; },
            wParam, lParam, handled);
    }
    if (taken && result != nullptr) {
        *result = handled;
    }
    return taken ? TRUE : FALSE;
}

HBRUSH CWnd::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType) {
    if (wnd != nullptr && wnd != this && wnd->m_hWnd != nullptr) {
        LRESULT brush = 0;
        if (wnd->OnChildNotify(WM_CTLCOLORMSGBOX + ctlType,
                               reinterpret_cast<WPARAM>(dc->GetSafeHdc()),
                               reinterpret_cast<LPARAM>(wnd->m_hWnd), &brush)) {
            return reinterpret_cast<HBRUSH>(brush);
        }
    }
    return reinterpret_cast<HBRUSH>(Default());
}
