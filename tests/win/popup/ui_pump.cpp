#include "ui_pump.h"

#include "framework/dc.h"

COLORREF ClientPixel(HWND hwnd, int x, int y) {
    CClientDC dc(hwnd);
    return dc.GetPixel(x, y);
}
