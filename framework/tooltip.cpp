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
    if (!Attach(tip)) {
        ::DestroyWindow(tip);
        return FALSE;
    }
    return TRUE;
}
