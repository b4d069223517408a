#pragma once
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace e2e {

// Pixels as 0x00RRGGBB, rows top-down.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    Image Crop(const RECT& area) const;
};

std::uint32_t Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// The same colour within tolerance on each channel.
bool SameColour(std::uint32_t a, std::uint32_t b, int tolerance = 0);

// What the screen shows in that rectangle (GDI copy of the screen).
Image CaptureScreen(const RECT& area);
Image CaptureWindow(HWND window);
// 24-bit BMP.
bool SaveBmp(const Image& image, const std::filesystem::path& path);
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
