#pragma once
#include "framework/cmd_target.h"

#include <windows.h>

#include <string>

class CDC;
class CMenu;

// A window object bound to a window handle. The object is registered in a handle map while it is
// attached, so messages find it; it is neither copyable nor movable because the map holds its
// address.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override; // destroys a window still attached

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Handle map: the object attached to a handle, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);
    // The message being handled on this thread (for handlers that need its raw parameters).
    static const MSG& CurrentMessage();

    // Subclassing: attaches, calls PreSubclassWindow, then routes the window's messages here.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    BOOL Attach(HWND hwnd); // map only, no subclassing
    HWND Detach();

    virtual void PreSubclassWindow() {}
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A parent's notification offered to the child first (click, colour, draw, measure);
    // TRUE when the child handled it, with *result set.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PostNcDestroy() {}

    // Default processing of the message being handled.
    LRESULT Default();

    // Base colour handling: offers the message to the child that asks, else the default.
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType);

    // Thin conveniences over the Win32 calls of the same names.
    BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    BOOL DestroyWindow();
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    HWND GetParentHwnd() const { return ::GetParent(m_hWnd); }
    CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
        return ::SendMessageA(m_hWnd, msg, wp, lp);
    }
    BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
        return ::PostMessageA(m_hWnd, msg, wp, lp);
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    // Removes and adds style bits; non-zero flags go to SetWindowPos (e.g. SWP_FRAMECHANGED).
    // FALSE when the style stays as it was.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    // Table dispatch with the framework's routing of commands, reflection, owner-draw and colour.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Commands: the control's reflected handler first, then this window's table, then the app's.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
    WNDPROC oldWndProc_ = nullptr;
};

LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Offers a message to PreTranslateMessage of each window object from the message's window up to
// (and including) stop; TRUE when one of them swallowed it.
BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
