#pragma once
#include <windows.h>

class CFont;

// The system's non-client metrics, asked for with the structure's full size first and then with
// the size older systems know (without the padded border width).
bool ReadNonClientMetrics(NONCLIENTMETRICSW& metrics);
// The menu font of the metrics; the stock GUI font when there are none.
LOGFONTW MenuFontDescription(const NONCLIENTMETRICSW* metrics);
// Creates the menu font into a font object.
bool CreateMenuFont(CFont& font);
// The window whose context measures menu texts: the application's main window, else the desktop.
HWND MeasuringWindow();
