#pragma once
#include <windows.h>

// The main window's notification-area icon (id 128), reporting to the window with message 0x401.
bool AddTrayIcon(HWND window, HICON icon);
void RemoveTrayIcon(HWND window);
