#include "widgets/menu/menu_font.h"

#include "framework/app.h"
#include "framework/gdi.h"
#include "framework/wnd.h"

#include <cstddef>

bool ReadNonClientMetrics(NONCLIENTMETRICSW& metrics) {
    for (UINT size : {static_cast<UINT>(sizeof(NONCLIENTMETRICSW)),
                      static_cast<UINT>(offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth))}) {
        metrics = NONCLIENTMETRICSW{};
        metrics.cbSize = size;
        if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, size, &metrics, 0)) {
            return true;
        }
    }
    return false;
}

LOGFONTW MenuFontDescription(const NONCLIENTMETRICSW* metrics) {
    if (metrics != nullptr) {
        return metrics->lfMenuFont;
    }
    LOGFONTW font{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

bool CreateMenuFont(CFont& font) {
    NONCLIENTMETRICSW metrics;
    const bool known = ReadNonClientMetrics(metrics);
    const LOGFONTW description = MenuFontDescription(known ? &metrics : nullptr);
    return font.CreateFontIndirect(&description) != FALSE;
}

HWND MeasuringWindow() {
    const CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->GetSafeHwnd() != nullptr) {
        return app->m_pMainWnd->GetSafeHwnd();
    }
    return ::GetDesktopWindow();
}
