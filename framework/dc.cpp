#include "framework/dc.h"

#include "framework/wnd.h"

namespace {

HWND HandleOf(CWnd* wnd) {
    return wnd != nullptr ? wnd->GetSafeHwnd() : nullptr;
}

// DrawStateA's type travels in the low four bits of its flags.
constexpr UINT kDrawStateTypeMask = 0x000F;

} // namespace

CDC::~CDC() {
    DeleteDC();
}

BOOL CDC::Attach(HDC dc) {
    if (dc == nullptr || m_hDC != nullptr) {
        return FALSE;
    }
    m_hDC = dc;
    m_hAttribDC = dc;
    return TRUE;
}

HDC CDC::Detach() {
    const HDC dc = m_hDC;
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_hDC != nullptr) {
        return FALSE;
    }
    return Attach(::CreateCompatibleDC(dc != nullptr ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr) {
        return FALSE;
    }
    return ::DeleteDC(Detach());
}

POINT CDC::SetWindowOrg(int x, int y) {
    POINT previous{};
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return previous;
}

POINT CDC::MoveTo(int x, int y) {
    POINT previous{};
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
    // An opaque empty text fills with the background colour, which is put back afterwards.
    const COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    if (previous != CLR_INVALID) {
        ::SetBkColor(m_hDC, previous);
    }
}

void CDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) {
    const LONG left = rect->left;
    const LONG top = rect->top;
    const LONG right = rect->right;
    const LONG bottom = rect->bottom;
    if (right <= left || bottom <= top) {
        return;
    }
    const auto fill = [this](LONG l, LONG t, LONG r, LONG b, COLORREF color) {
        if (r > l && b > t) {
            const RECT part{l, t, r, b};
            FillSolidRect(&part, color);
        }
    };
    // The top-left colour stops one pixel short of the far corners, which belong to the
    // bottom-right colour.
    fill(left, top, right - 1, top + 1, topLeft);
    fill(left, top, left + 1, bottom - 1, topLeft);
    fill(right - 1, top, right, bottom, bottomRight);
    fill(left, bottom - 1, right, bottom, bottomRight);
}

int CDC::DrawText(const std::string& text, RECT* rect, UINT format) {
    // The text is const: never let DrawText write an ellipsis into it.
    return ::DrawTextA(m_hDC, text.c_str(), static_cast<int>(text.size()), rect,
                       format & ~static_cast<UINT>(DT_MODIFYSTRING));
}

int CDC::DrawText(const std::wstring& text, RECT* rect, UINT format) {
    return ::DrawTextW(m_hDC, text.c_str(), static_cast<int>(text.size()), rect,
                       format & ~static_cast<UINT>(DT_MODIFYSTRING));
}

BOOL CDC::DrawState(POINT at, SIZE extent, HICON icon, UINT flags, HBRUSH brush) {
    return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(icon), 0, at.x, at.y,
                        extent.cx, extent.cy, (flags & ~kDrawStateTypeMask) | DST_ICON);
}

BOOL CDC::DrawState(POINT at, SIZE extent, HBITMAP bitmap, UINT flags, HBRUSH brush) {
    return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, at.x, at.y,
                        extent.cx, extent.cy, (flags & ~kDrawStateTypeMask) | DST_BITMAP);
}

CPaintDC::CPaintDC(CWnd* wnd) : hwnd_(HandleOf(wnd)) {
    Attach(::BeginPaint(hwnd_, &m_ps));
}

CPaintDC::~CPaintDC() {
    if (Detach() != nullptr) {
        ::EndPaint(hwnd_, &m_ps);
    }
}

CClientDC::CClientDC(CWnd* wnd) : CClientDC(HandleOf(wnd)) {}

CClientDC::CClientDC(HWND hwnd) : hwnd_(hwnd) {
    Attach(::GetDC(hwnd_));
}

CClientDC::~CClientDC() {
    if (const HDC dc = Detach()) {
        ::ReleaseDC(hwnd_, dc);
    }
}

CWindowDC::CWindowDC(CWnd* wnd) : hwnd_(HandleOf(wnd)) {
    Attach(::GetWindowDC(hwnd_));
}

CWindowDC::~CWindowDC() {
    if (const HDC dc = Detach()) {
        ::ReleaseDC(hwnd_, dc);
    }
}
