#include "widgets/button/skin_button.h"

#include <cstring>

namespace {

constexpr UINT kButtonTypeMask = 0x1F;
constexpr int kToolTipMaxWidth = 400;

bool IsCheckBoxType(UINT type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE;
}

// The only messages a tooltip takes from TTM_RELAYEVENT; it ignores every other one.
bool IsRelayedToToolTip(UINT message) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return true;
    default:
        return false;
    }
}

} // namespace

CSkinButton::CSkinButton()
    : faceColorIn(::GetSysColor(COLOR_BTNFACE)), textColorIn(::GetSysColor(COLOR_BTNTEXT)),
      faceColorOut(::GetSysColor(COLOR_BTNFACE)), textColorOut(::GetSysColor(COLOR_BTNTEXT)),
      faceColorFocus(::GetSysColor(COLOR_BTNFACE)) {}

CSkinButton::~CSkinButton() {
    if (backgroundDC.GetSafeHdc() != nullptr && previousBitmap != nullptr) {
        backgroundDC.SelectObject(previousBitmap);
    }
    ReleaseImages();
    cursor.Reset();
    if (menu.GetSafeHmenu() != nullptr) {
        menu.DestroyAll();
    }
}

void CSkinButton::PreSubclassWindow() {
    const UINT type = GetButtonStyle() & kButtonTypeMask;
    if (IsCheckBoxType(type)) {
        isCheckBox = TRUE;
    }
    if (type == BS_DEFPUSHBUTTON) {
        isDefault = TRUE;
    }
    ModifyStyle(kButtonTypeMask, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

// The tooltip is made at the first message it would take: a start-up, whose buttons see only
// paint and focus messages, makes no tooltip windows.
BOOL CSkinButton::PreTranslateMessage(MSG* msg) {
    if (IsRelayedToToolTip(msg->message)) {
        EnsureToolTip();
        if (toolTip.GetSafeHwnd() != nullptr) {
            toolTip.RelayEvent(msg);
        }
    }
    return CButton::PreTranslateMessage(msg);
}

// The tooltip has no tools and stays inactive; a failed creation is tried again next time.
void CSkinButton::EnsureToolTip() {
    if (toolTip.GetSafeHwnd() != nullptr || !toolTip.Create(this)) {
        return;
    }
    toolTip.Activate(FALSE);
    toolTip.SetMaxTipWidth(kToolTipMaxWidth);
}

// A quick second click counts as a click of its own.
LRESULT CSkinButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK) {
        message = WM_LBUTTONDOWN;
    }
    return CButton::DefWindowProc(message, wParam, lParam);
}

void CSkinButton::Redraw() {
    if (m_hWnd != nullptr) {
        Invalidate();
    }
}

void CSkinButton::SetFlat(BOOL isFlat) {
    flat = isFlat;
    Redraw();
}

void CSkinButton::SetTransparent(BOOL isTransparent) {
    transparent = isTransparent;
    Redraw();
}

void CSkinButton::SetImageAlign(std::uint8_t align) {
    imageAlign = align;
    Redraw();
}

void CSkinButton::SetDrawBorder(BOOL draw) {
    drawBorder = draw;
    Redraw();
}

void CSkinButton::SetDrawFlatFocus(BOOL draw) {
    drawFlatFocus = draw;
    Redraw();
}

void CSkinButton::SetFaceColors(COLORREF in, COLORREF out, COLORREF focus) {
    faceColorIn = in;
    faceColorOut = out;
    faceColorFocus = focus;
    Redraw();
}

void CSkinButton::SetTextColors(COLORREF in, COLORREF out) {
    textColorIn = in;
    textColorOut = out;
    Redraw();
}

void CSkinButton::SetShowCaption(BOOL show) {
    showCaption = show;
    Redraw();
}

BOOL CSkinButton::SetMenu(UINT menuId, HWND target) {
    menuTarget = target;
    return menu.LoadFromResource(menuId);
}

void CSkinButton::SetCursor(HCURSOR owned) {
    cursor.Reset(owned);
}

void CSkinButton::SetUrl(const char* link) {
    std::memset(url, 0, sizeof url);
    if (link != nullptr) {
        std::memcpy(url, link, ::strnlen(link, sizeof url - 1));
    }
}

void CSkinButton::SetAlwaysTrack(BOOL always) {
    alwaysTrack = always;
}

void CSkinButton::SetGreyDisabledBitmap(BOOL grey) {
    greyDisabledBitmap = grey;
    Redraw();
}
