#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/win/window_find.h"

namespace e2e {

using wintest::ClassName;
using wintest::kDialogClass;
using wintest::kMenuClass;
using wintest::WindowText;

std::vector<HWND> TopLevelWindowsOf(DWORD processId);
RECT WindowRect(HWND window);
SIZE SizeOf(const RECT& rect);
// A control's rectangle and centre in screen coordinates.
RECT ControlRect(HWND dialog, int controlId);
POINT ControlCenter(HWND dialog, int controlId);
// The dialog's visible child windows' screen rectangles.
std::vector<RECT> VisibleChildRects(HWND dialog);
bool Contains(const RECT& rect, POINT point);

} // namespace e2e
