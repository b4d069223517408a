#pragma once

#include <windows.h>

#include <string>

// Where the port libraries and their companion files are looked for, and how a library is
// loaded by its full path. Never the current folder or PATH: a planted library would run with
// the program's rights.

// load has LoadLibraryExW's contract; tests give their own.
using LoadLibraryFn = HMODULE(WINAPI*)(LPCWSTR name, HANDLE reserved, DWORD flags);

// The running program's folder, read whole however long; empty when the system cannot tell.
std::wstring ExecutableFolder();
// The system folder; empty when the system cannot tell.
std::wstring SystemFolder();

// Loads the library at an absolute path; the libraries it imports are looked for beside it and
// in the system folder only, where the system knows those search flags.
HMODULE LoadLibraryAtPath(const std::wstring& path, LoadLibraryFn load = ::LoadLibraryExW);

// True when path names an existing file (not a folder).
bool FileExists(const std::wstring& path);
