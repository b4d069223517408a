#pragma once
// What the tests look for in the running program: the popup, message boxes, EC polls.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "glint_process.h"
#include "image.h"
#include "tests/support/win/message_boxes.h"

namespace e2e {

// The program's power-level popup window (shown or not), or null before it is created.
HWND FindPopup(const GlintProcess& glint);
// The program's visible message boxes.
std::vector<HWND> VisibleMessageBoxes(const GlintProcess& glint);
std::wstring MessageBoxText(HWND box);
using wintest::DismissMessageBox;

// How many times the program has read the power-level register and got value, since sinceNs
// (ecsim clock).
int LevelPollsSince(GlintProcess& glint, std::uint64_t sinceNs, std::uint8_t value);

// Where the popup belongs: centred on the desktop, or lower by half its height.
RECT ExpectedPopupRect(SIZE size, bool lowered);
bool SameRect(const RECT& a, const RECT& b);

// The size that the dialog manager gives the program's popup template (from its resources).
SIZE PopupTemplateSize(const std::filesystem::path& program);

// Share of the image's pixels within tolerance of one colour.
double ShareOfColour(const Image& image, std::uint32_t colour, int tolerance = 2);
// The bitmap as a pattern brush paints it from the top-left corner into width x height.
Image Tiled(const Image& bitmap, int width, int height);

} // namespace e2e
