#pragma once
// A window's whole text, however long (internal).
#include <windows.h>

#include <string>

std::string ReadWindowText(HWND hwnd);
