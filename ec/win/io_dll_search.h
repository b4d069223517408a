#pragma once

#include <windows.h>

// Loads io.dll from the program's own folder or the system folder, never through the current
// folder or PATH (a planted library would run with the program's rights). load has
// LoadLibraryExW's contract; tests give their own.
using LoadLibraryFn = HMODULE(WINAPI*)(LPCWSTR name, HANDLE reserved, DWORD flags);
HMODULE LoadIoDllFromTrustedFolders(LoadLibraryFn load = ::LoadLibraryExW);
