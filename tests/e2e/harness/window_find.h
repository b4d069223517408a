#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::vector<HWND> TopLevelWindowsOf(DWORD processId);
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
RECT WindowRect(HWND window);
SIZE SizeOf(const RECT& rect);
// A control's rectangle and centre in screen coordinates.
RECT ControlRect(HWND dialog, int controlId);
POINT ControlCenter(HWND dialog, int controlId);
// The dialog's visible child windows' screen rectangles.
std::vector<RECT> VisibleChildRects(HWND dialog);
bool Contains(const RECT& rect, POINT point);

// Window classes of the system's own windows.
inline constexpr wchar_t kDialogClass[] = L"#32770";
inline constexpr wchar_t kMenuClass[] = L"#32768";

} // namespace e2e
