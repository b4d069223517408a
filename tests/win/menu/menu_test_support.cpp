#include "menu_test_support.h"

#include <cstdio>

int Canvas::Count(const RECT& area, COLORREF color) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += Pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

bool Canvas::SameAs(const Canvas& other) const {
    const wintest::Image mine = pixels_.Read();
    const wintest::Image theirs = other.pixels_.Read();
    return !mine.Empty() && mine.width == theirs.width && mine.height == theirs.height &&
           mine.pixels == theirs.pixels;
}

DRAWITEMSTRUCT DrawRequest(HMENU menu, UINT id, const void* record, UINT state, const RECT& rect,
                           HDC dc) {
    DRAWITEMSTRUCT request{};
    request.CtlType = ODT_MENU;
    request.itemID = id;
    request.itemAction = ODA_DRAWENTIRE;
    request.itemState = state;
    request.hwndItem = reinterpret_cast<HWND>(menu);
    request.hDC = dc;
    request.rcItem = rect;
    request.itemData = reinterpret_cast<ULONG_PTR>(record);
    return request;
}

std::string ColorText(COLORREF color) {
    char text[16];
    std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(color), GetGValue(color),
                  GetBValue(color));
    return text;
}
