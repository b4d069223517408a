#include "tests/support/win/image.h"

#include <cstdlib>
#include <fstream>

namespace wintest {

namespace {

template <typename T> void Put(std::ofstream& out, T value) {
    out.write(reinterpret_cast<const char*>(&value), sizeof(value));
}

} // namespace

Image Image::Crop(const RECT& area) const {
    Image part;
    if (area.left < 0 || area.top < 0 || area.right > width || area.bottom > height ||
        area.right <= area.left || area.bottom <= area.top) {
        return part;
    }
    part.width = area.right - area.left;
    part.height = area.bottom - area.top;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            part.pixels.push_back(At(x, y));
        }
    }
    return part;
}

std::uint32_t Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
}

bool SameColour(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift : {0, 8, 16}) {
        const int difference =
            static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(difference) > tolerance) {
            return false;
        }
    }
    return true;
}

bool SaveBmp(const Image& image, const std::filesystem::path& path) {
    if (image.Empty()) {
        return false;
    }
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    Put<std::uint16_t>(out, 0x4D42);
    Put<std::uint32_t>(out, 54 + dataBytes);
    Put<std::uint32_t>(out, 0);
    Put<std::uint32_t>(out, 54);
    Put<std::uint32_t>(out, 40);
    Put<std::int32_t>(out, image.width);
    Put<std::int32_t>(out, image.height); // bottom-up
    Put<std::uint16_t>(out, 1);
    Put<std::uint16_t>(out, 24);
    for (int i = 0; i < 6; ++i) {
        Put<std::uint32_t>(out, 0);
    }
    std::vector<char> row(rowBytes, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel = image.At(x, y);
            row[x * 3] = static_cast<char>(pixel & 0xFF);
            row[x * 3 + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    return static_cast<bool>(out);
}

} // namespace wintest
