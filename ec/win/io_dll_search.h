#pragma once

#include <windows.h>

#include "ec/win/library_paths.h"

// Loads io.dll from the program's own folder or the system folder, never through the current
// folder or PATH (a planted library would run with the program's rights).
HMODULE LoadIoDllFromTrustedFolders(LoadLibraryFn load = ::LoadLibraryExW);

// True when an io.dll lies in one of those folders: one that did not load is there but not
// loadable (typically one of the other bitness), not missing.
bool IoDllInTrustedFolders();
