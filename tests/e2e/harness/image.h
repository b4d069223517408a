#pragma once
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tests/support/win/canvas.h"

namespace e2e {

using wintest::CaptureScreen;
using wintest::Image;
using wintest::Rgb;
using wintest::SameColour;

Image CaptureWindow(HWND window);
using wintest::SaveBmp;
Image LoadBmp(const std::filesystem::path& path);
// A BMP of one colour, for skins made up by a test.
bool WriteSolidBmp(const std::filesystem::path& path, int width, int height, std::uint32_t colour);
// An icon file drawn as a skinned button draws it at rest: on a field of the button-face colour
// of width x height, centred by the icon's own size.
Image RenderIconAsButton(const std::filesystem::path& iconFile, int width, int height);

// Share of pixels in the common area (inset by margin on every side) that match within
// tolerance; 0 when the images differ in size.
double MatchRatio(const Image& a, const Image& b, int margin = 0, int tolerance = 8);

} // namespace e2e
