#pragma once
#include "framework/gdi.h"

#include <windows.h>

#include <string>

class CWnd;

// A device context. A plain CDC owns a context it created (CreateCompatibleDC, Attach) and deletes
// it; CPaintDC, CClientDC and CWindowDC give theirs back to the window instead. m_hAttribDC is the
// context queried for attributes (the same as m_hDC unless printing shares other handles).
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL IsPrinting() const { return m_bPrinting; }

    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* dc); // null: compatible with the screen
    BOOL DeleteDC();

    HGDIOBJ SelectObject(const CGdiObject* object) {
        return ::SelectObject(m_hDC, object->m_hObject);
    }
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }

    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hAttribDC, index); }
    POINT SetWindowOrg(int x, int y);

    void FillRect(const RECT* rect, HBRUSH brush) { ::FillRect(m_hDC, rect, brush); }
    void FillSolidRect(const RECT* rect, COLORREF color);
    void FrameRect(const RECT* rect, HBRUSH brush) { ::FrameRect(m_hDC, rect, brush); }
    // Raised or sunken one-pixel frame: top-left edges in one colour, bottom-right in the other.
    void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(RECT* rect, UINT edge, UINT flags) {
        return ::DrawEdge(m_hDC, rect, edge, flags);
    }
    void DrawFocusRect(const RECT* rect) { ::DrawFocusRect(m_hDC, rect); }
    int DrawText(const std::string& text, RECT* rect, UINT format);
    int DrawText(const std::wstring& text, RECT* rect, UINT format);
    POINT MoveTo(int x, int y);
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
    BOOL Ellipse(int left, int top, int right, int bottom) {
        return ::Ellipse(m_hDC, left, top, right, bottom);
    }
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, width, height, source->m_hDC, srcX, srcY, rop);
    }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
    BOOL DrawState(POINT at, SIZE extent, HICON icon, UINT flags, HBRUSH brush);
    BOOL DrawState(POINT at, SIZE extent, HBITMAP bitmap, UINT flags, HBRUSH brush);
};

// The paint context of one WM_PAINT (BeginPaint/EndPaint).
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND hwnd_;
};

// A window's client-area context (GetDC/ReleaseDC); null window: the screen.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    explicit CClientDC(HWND hwnd);
    ~CClientDC() override;

private:
    HWND hwnd_;
};

// A window's whole-window context (GetWindowDC/ReleaseDC).
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC() override;

private:
    HWND hwnd_;
};

// A context that belongs to someone else (a draw request's, a colour request's): used through CDC
// for one scope and handed back untouched, neither released nor deleted.
class CBorrowedDC : public CDC {
public:
    explicit CBorrowedDC(HDC dc) { Attach(dc); }
    ~CBorrowedDC() override { Detach(); }
};

// Selects a GDI object into a context for one scope and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() {
        if (previous_ != nullptr) {
            ::SelectObject(dc_, previous_);
        }
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Sets a DC's background mode for one scope and puts the previous mode back afterwards.
class ScopedBkMode {
public:
    ScopedBkMode(HDC dc, int mode) : dc_(dc), previous_(::SetBkMode(dc, mode)) {}
    ScopedBkMode(const ScopedBkMode&) = delete;
    ScopedBkMode& operator=(const ScopedBkMode&) = delete;
    ~ScopedBkMode() {
        if (previous_ != 0) {
            ::SetBkMode(dc_, previous_);
        }
    }

private:
    HDC dc_;
    int previous_;
};
