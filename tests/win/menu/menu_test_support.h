#pragma once
#include "framework/dc.h"
#include "widgets/menu/menu_class_state.h"

#include <windows.h>

#include <optional>
#include <string>

// Chooses the look for one test: the OS generation and whether the classic theme is selected
// (already read, so the registry is not consulted). Restores the previous state afterwards.
class ScopedLook {
public:
    ScopedLook(int osClass, bool classicTheme) : saved_(MenuClass()) {
        MenuClass().osClass = osClass;
        MenuClass().themeCache = {true, classicTheme};
    }
    ScopedLook(const ScopedLook&) = delete;
    ScopedLook& operator=(const ScopedLook&) = delete;
    ~ScopedLook() {
        MenuClass().osClass = saved_.osClass;
        MenuClass().themeCache = saved_.themeCache;
    }

private:
    MenuClassState saved_;
};

// A 32-bit memory picture to draw into and read back, filled with one colour to start.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    CDC& Dc() { return dc_; }
    HDC Hdc() const { return dc_.m_hDC; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(dc_.m_hDC, x, y); }
    int Count(const RECT& area, COLORREF color) const;
    bool SameAs(const Canvas& other) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    CDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_;
    int height_;
};

// A draw request for the item at a position of a menu, as the window system sends it.
DRAWITEMSTRUCT DrawRequest(HMENU menu, UINT id, const void* record, UINT state, const RECT& rect,
                           HDC dc);

std::string ColorText(COLORREF color);
