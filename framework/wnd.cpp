#include "framework/wnd.h"

#include "framework/current_message.h"
#include "framework/handle_map.h"
#include "framework/window_text.h"

#include <vector>

namespace {

thread_local MSG currentMessage{};

} // namespace

CurrentMessageScope::CurrentMessageScope(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    : outer_(currentMessage) {
    currentMessage = MSG{};
    currentMessage.hwnd = hwnd;
    currentMessage.message = message;
    currentMessage.wParam = wParam;
    currentMessage.lParam = lParam;
}

CurrentMessageScope::~CurrentMessageScope() {
    currentMessage = outer_;
}

std::string ReadWindowText(HWND hwnd) {
    const int length = ::GetWindowTextLengthA(hwnd);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextA(hwnd, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (wnd == nullptr) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    CurrentMessageScope scope(hwnd, message, wParam, lParam);
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window is gone: hand the handle back to its own procedure and let the object go.
        if (wnd->oldWndProc_ != nullptr) {
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->oldWndProc_));
            wnd->oldWndProc_ = nullptr;
        }
        wnd->Detach();
        wnd->PostNcDestroy();
    }
    return result;
}

CWnd::~CWnd() {
    if (m_hWnd == nullptr) {
        return;
    }
    const HWND hwnd = m_hWnd;
    DestroyWindow();
    if (m_hWnd == hwnd) {
        // Not destroyed (a window of another thread): leave it running without this object.
        if (oldWndProc_ != nullptr) {
            UnsubclassWindow();
        } else {
            Detach();
        }
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    return hwnd == nullptr ? nullptr : WindowHandleMap().Find(hwnd);
}

const MSG& CWnd::CurrentMessage() {
    return currentMessage;
}

BOOL CWnd::Attach(HWND hwnd) {
    if (hwnd == nullptr || m_hWnd != nullptr || !::IsWindow(hwnd) ||
        !WindowHandleMap().Add(hwnd, this)) {
        return FALSE;
    }
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND hwnd = m_hWnd;
    if (hwnd != nullptr) {
        WindowHandleMap().Remove(hwnd);
        m_hWnd = nullptr;
    }
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!Attach(hwnd)) {
        return FALSE;
    }
    PreSubclassWindow();
    const auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWndProc)));
    if (previous == nullptr) {
        Detach();
        return FALSE;
    }
    oldWndProc_ = previous;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (parent == nullptr) {
        return FALSE;
    }
    const HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control != nullptr && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
    if (oldWndProc_ == nullptr) {
        return nullptr;
    }
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
    oldWndProc_ = nullptr;
    return Detach();
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const HWND hwnd = m_hWnd;
    // A subclassed window lets go of its object itself at WM_NCDESTROY (whose PostNcDestroy may
    // even end the object), so only a window that is merely attached is detached here.
    const bool subclassed = oldWndProc_ != nullptr;
    const BOOL destroyed = ::DestroyWindow(hwnd);
    if (!subclassed && destroyed) {
        Detach();
    }
    return destroyed;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) {
        return result;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (oldWndProc_ != nullptr) {
        return ::CallWindowProcA(oldWndProc_, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& msg = CurrentMessage();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) {
        return FALSE;
    }
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags != 0) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    }
    return TRUE;
}

std::string CWnd::GetWindowText() const {
    return ReadWindowText(m_hWnd);
}

BOOL WalkPreTranslateTree(HWND stop, MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(msg)) {
            return TRUE;
        }
        if (hwnd == stop) {
            break;
        }
    }
    return FALSE;
}
