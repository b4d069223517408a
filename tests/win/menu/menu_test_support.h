#pragma once
#include "framework/dc.h"
#include "tests/support/win/canvas.h"
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

// A 32-bit memory picture to draw into and read back, filled with one colour to start; the
// menu's drawing takes its context as a CDC.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill)
        : pixels_(width, height, fill), dc_(pixels_.Dc()) {}
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CDC& Dc() { return dc_; }
    HDC Hdc() const { return pixels_.Dc(); }
    COLORREF Pixel(int x, int y) const { return pixels_.Pixel(x, y); }
    int Count(const RECT& area, COLORREF color) const;
    bool SameAs(const Canvas& other) const;
    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }

private:
    wintest::PixelCanvas pixels_;
    CBorrowedDC dc_;
};

// A draw request for the item at a position of a menu, as the window system sends it.
DRAWITEMSTRUCT DrawRequest(HMENU menu, UINT id, const void* record, UINT state, const RECT& rect,
                           HDC dc);

std::string ColorText(COLORREF color);
