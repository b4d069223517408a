#pragma once
#include <windows.h>

#include <string>

// The narrow text of the menu item at a position; empty for an item without a string.
std::string MenuStringAt(HMENU menu, int position);
// Lower-cases a narrow string in the thread's ANSI code page.
std::string LowerCase(std::string text);
