#pragma once
#include <windows.h>

#include <filesystem>
#include <string>

#include "image.h"

namespace e2e {

// A skin file of the built program.
std::filesystem::path BuiltSkinFile(const std::string& skin, const std::string& file);

// Share of a button's pixels on screen (inset by 2, where hover and press frames go) that match
// the icon file as the button draws it at rest.
double ButtonMatchesIcon(HWND dialog, int controlId, const std::filesystem::path& iconFile);
// Share of a button's inner pixels in the plain button-face colour: 1 for a button without icon.
double ButtonIsPlainFace(HWND dialog, int controlId);
// Waits until every visible button of the main window (each of the skin's list but the hidden
// test button) shows its plain icon of the skin; empty then, else which did not, with their match.
std::string ButtonsWithoutTheirPlainIcons(HWND mainWindow, const std::string& skin);

// Samples the window's background on a grid, away from its visible controls, against the bitmap
// tiled from the client area's top-left corner.
struct BackgroundSamples {
    int samples = 0;
    int matching = 0;
    bool AllMatch() const { return samples > 0 && matching == samples; }
};
BackgroundSamples CompareBackground(HWND window, const Image& bitmap, int tolerance = 2);
// Compares until every sample matches or the wait runs out; the last comparison either way.
BackgroundSamples WaitForBackground(HWND window, const Image& bitmap);

// Parks the mouse where it hovers over nothing of the program's.
void MoveMouseAway();

} // namespace e2e
