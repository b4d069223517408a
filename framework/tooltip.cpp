#include "framework/tooltip.h"

#include "framework/app.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    // The tooltip class lives in the common controls, which register it on request.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    const HWND tip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                       parent != nullptr ? parent->GetSafeHwnd() : nullptr, nullptr,
                                       AfxGetInstanceHandle(), nullptr);
    if (tip == nullptr) {
        return FALSE;
    }
    // Subclassed, so that its end reaches the object: an owner destroyed first takes the tooltip
    // with it, and the object must then let go of the handle.
    if (!SubclassWindow(tip)) {
        ::DestroyWindow(tip);
        return FALSE;
    }
    return TRUE;
}
