#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The process's main window (the dialog with the Exit button), or null.
HWND FindMainWindow(DWORD processId);

// glint.exe's power-level popup (the top-level window with the level text control), or null.
HWND FindPopup(DWORD processId);

// How many windows of the process are such popups (the program makes one).
int CountPopups(DWORD processId);

// Visible dialog windows of the process other than the two above: message boxes.
std::vector<HWND> FindMessageBoxes(DWORD processId, HWND mainWindow, HWND popup);

// Presses OK on a message box; returns its caption as UTF-8 for the log.
std::string DismissMessageBox(HWND box);

// True once the window and all its visible children are shown and have no pending paint.
bool IsPainted(HWND window);

// Hides another process's window without waiting on that process (a synchronous cross-process
// ShowWindow can block the driver for good), then waits at most timeoutMs for it to be hidden.
bool HideWindow(HWND window, UINT timeoutMs = 5000);

// Sends a message and waits at most timeoutMs for it to be handled; false on a timeout.
bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs);
