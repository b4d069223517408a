#include "widgets/button/borrowed.h"
#include "widgets/button/skin_button.h"

#include <shellapi.h>

BEGIN_MESSAGE_MAP(CSkinButton, CButton)
    ON_WM_SETCURSOR()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_SYSCOLORCHANGE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CSkinButton::OnClicked)
    ON_WM_ACTIVATE()
    ON_WM_ENABLE()
    ON_WM_CANCELMODE()
    ON_WM_GETDLGCODE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_MENUCHAR()
    // Declines (framework handling) unless the item opens one of our own sub-menus.
    ON_WM_MEASUREITEM_MAY_DECLINE(&CSkinButton::MeasureSubMenuItem)
    ON_MESSAGE(BM_SETSTYLE, &CSkinButton::OnSetStyle)
    ON_MESSAGE(WM_MOUSELEAVE, &CSkinButton::OnMouseLeave)
    ON_MESSAGE(BM_SETCHECK, &CSkinButton::OnSetCheck)
    ON_MESSAGE(BM_GETCHECK, &CSkinButton::OnGetCheck)
END_MESSAGE_MAP()

void CSkinButton::ClearHover() {
    if (flat && hover) {
        hover = FALSE;
        Invalidate();
    }
}

BOOL CSkinButton::OnSetCursor(HWND, UINT, UINT) {
    if (cursor) {
        ::SetCursor(cursor.Get());
        return TRUE;
    }
    return static_cast<BOOL>(Default());
}

void CSkinButton::OnKillFocus(HWND) {
    Default();
    ClearHover();
}

void CSkinButton::OnMouseMove(UINT flags, POINT point) {
    Default();
    ::ClientToScreen(m_hWnd, &point);
    const HWND under = ::WindowFromPoint(point);
    // A drag that enters the button does not light it.
    if ((flags & MK_LBUTTON) != 0 && !hover) {
        return;
    }
    if (!flat) {
        return;
    }
    if (under == m_hWnd && (alwaysTrack || ::GetActiveWindow() != nullptr)) {
        if (!hover) {
            hover = TRUE;
            Invalidate();
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
            ::_TrackMouseEvent(&track);
        }
        return;
    }
    ClearHover();
}

// The cached parent background may no longer match: take a fresh one at the next draw.
void CSkinButton::OnSysColorChange() {
    Default();
    backgroundDC.DeleteDC();
    backgroundBitmap.DeleteObject();
    previousBitmap = nullptr;
}

BOOL CSkinButton::OnClicked() {
    SetFocus();
    if (isCheckBox) {
        checkState = !checkState;
        Invalidate();
    } else if (menu.GetSafeHmenu() != nullptr) {
        ShowDropDownMenu();
    } else if (url[0] != '\0') {
        OpenUrl();
    }
    // The parent's own click handler runs as well.
    return FALSE;
}

void CSkinButton::ShowDropDownMenu() {
    RECT rect{};
    GetWindowRect(&rect);
    menuPushed = TRUE;
    Invalidate();
    const BOOL command =
        ::TrackPopupMenu(::GetSubMenu(menu.GetSafeHmenu(), 0),
                         TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, rect.left,
                         rect.bottom, 0, m_hWnd, nullptr);
    menuPushed = FALSE;
    Invalidate();
    if (command != 0) {
        ::PostMessageA(menuTarget, WM_COMMAND, MAKEWPARAM(LOWORD(command), 0), 0);
    }
}

void CSkinButton::OpenUrl() const {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = url;
    info.nShow = SW_SHOWMAXIMIZED;
    ::ShellExecuteExA(&info);
}

void CSkinButton::OnActivate(UINT state, HWND, bool) {
    Default();
    if (state == WA_INACTIVE) {
        ClearHover();
    }
}

// A disabled button cannot keep the focus: hand it to the next tab stop, else to the parent.
void CSkinButton::OnEnable(bool enabled) {
    Default();
    if (enabled) {
        return;
    }
    const HWND parent = GetParentHwnd();
    HWND next = ::GetNextDlgTabItem(parent, m_hWnd, FALSE);
    if (next == nullptr || next == m_hWnd) {
        next = parent;
    }
    ::SetFocus(next);
    ClearHover();
}

void CSkinButton::OnCancelMode() {
    Default();
    ClearHover();
}

UINT CSkinButton::OnGetDlgCode() {
    const auto code = static_cast<UINT>(Default());
    return code | (isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// The system paints no background behind the button; the button paints all of it.
HBRUSH CSkinButton::CtlColor(CDC*, UINT) {
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

LRESULT CSkinButton::OnMenuChar(UINT ch, UINT flags, HMENU menuHandle) {
    const BorrowedMenu borrowed(menuHandle);
    if (COwnerDrawMenu::IsKnownMenu(borrowed.Get())) {
        return COwnerDrawMenu::HandleMenuChar(ch, flags, borrowed.Get());
    }
    return Default();
}

bool CSkinButton::MeasureSubMenuItem(MEASUREITEMSTRUCT* item) {
    if (item == nullptr || item->CtlType != ODT_MENU) {
        return false;
    }
    const auto subMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item->itemID));
    if (!::IsMenu(subMenu) || !COwnerDrawMenu::IsKnownMenu(subMenu)) {
        return false;
    }
    menu.MeasureItem(item);
    return true;
}

// The control stays owner-drawn whatever push-button style is set; only the default flag follows.
LRESULT CSkinButton::OnSetStyle(WPARAM style, LPARAM redraw) {
    const UINT type = static_cast<UINT>(style) & 0x1F;
    if (type == BS_DEFPUSHBUTTON) {
        isDefault = TRUE;
    } else if (type == BS_PUSHBUTTON) {
        isDefault = FALSE;
    }
    return DefWindowProc(BM_SETSTYLE, (style & ~WPARAM{0x1F}) | BS_OWNERDRAW, redraw);
}

LRESULT CSkinButton::OnMouseLeave(WPARAM, LPARAM) {
    ClearHover();
    return 0;
}

LRESULT CSkinButton::OnSetCheck(WPARAM state, LPARAM) {
    if (isCheckBox) {
        checkState = state == BST_CHECKED || state == BST_INDETERMINATE;
        Invalidate();
    }
    return 0;
}

LRESULT CSkinButton::OnGetCheck(WPARAM, LPARAM) {
    return checkState;
}
