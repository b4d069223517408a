#include "menu_test_support.h"

#include <cstdio>

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    dc_.CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = ::CreateDIBSection(dc_.m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous_ = ::SelectObject(dc_.m_hDC, bitmap_);
    const RECT all{0, 0, width, height};
    dc_.FillSolidRect(&all, fill);
}

Canvas::~Canvas() {
    ::SelectObject(dc_.m_hDC, previous_);
    ::DeleteObject(bitmap_);
}

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
    if (width_ != other.width_ || height_ != other.height_) {
        return false;
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (Pixel(x, y) != other.Pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
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
