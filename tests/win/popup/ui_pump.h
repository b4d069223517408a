#pragma once
#include <windows.h>

#include "tests/support/win/pump.h"

// The colour of a pixel of a window's client area, read back from the window's own surface.
COLORREF ClientPixel(HWND hwnd, int x, int y);
