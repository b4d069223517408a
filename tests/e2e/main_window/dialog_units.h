#pragma once
#include <windows.h>

// The pixel size of a dialog of cx x cy dialog units in the main window's font ("MS Shell Dlg"
// 8 pt, shell-font style), measured on a template of this test's own.
SIZE DialogUnitsToPixels(short cx, short cy);
