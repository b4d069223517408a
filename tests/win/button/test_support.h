#pragma once
#include "tests/support/win/canvas.h"
#include "tests/support/win/pump.h"
#include "widgets/button/skin_button.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace button_test {

// True while part of the window waits to be painted.
bool NeedsPaint(HWND window);
// Paints whatever is pending so that a later invalidation shows.
void PaintNow(HWND window);

// An icon of the given pixels (row by row, 0x00BBGGRR), owned by the caller; opaque where
// `opaque` holds, or everywhere without it.
HICON MakeIcon(int width, int height, const std::vector<COLORREF>& pixels,
               const std::function<bool(int x, int y)>& opaque = nullptr);
HICON MakeSolidIcon(int size, COLORREF colour);
// The colour pixels of an icon, row by row.
std::vector<COLORREF> IconPixels(HICON icon, int width, int height);

// A 32-bit memory surface to draw a button into.
using Canvas = wintest::PixelCanvas;

// Asks the button to draw itself into the canvas with the given item state.
void DrawInto(CSkinButton& button, Canvas& canvas, UINT itemState);

// Sends the mouse to a screen point as input (the system routes it to the window under it).
void MoveMouseTo(POINT screen);
void LeftButton(bool down);
// Moves the mouse to the screen's bottom-right corner, away from the test windows; true once the
// system reports it there.
bool ParkMouse();
POINT CentreOf(HWND window);

} // namespace button_test
