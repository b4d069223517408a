#pragma once
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace wintest {

// Pixels as 0x00RRGGBB, rows top-down.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // The part inside area; empty when area is empty or reaches outside the image.
    Image Crop(const RECT& area) const;
};

std::uint32_t Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// The same colour within tolerance on each channel.
bool SameColour(std::uint32_t a, std::uint32_t b, int tolerance = 0);

// Writes a 24-bit BMP file; false when the image is empty or the file cannot be written.
bool SaveBmp(const Image& image, const std::filesystem::path& path);

} // namespace wintest
