#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "tests/support/scratch_folder.h"

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

inline COLORREF ToColorRef(Rgb c) {
    return RGB(c.r, c.g, c.b);
}

// A temporary skin folder for one test, removed with everything written into it.
class TempSkinFolder {
public:
    TempSkinFolder() : folder("glint_popup"), path(folder.Path().string()) {}
    TempSkinFolder(const TempSkinFolder&) = delete;
    TempSkinFolder& operator=(const TempSkinFolder&) = delete;

    const std::string& Path() const { return path; }

    // Writes a 24-bit bitmap file named name; pixel(x, y) gives each pixel, y = 0 at the top.
    bool WriteBitmap(const std::string& name, int width, int height,
                     const std::function<Rgb(int x, int y)>& pixel);
    bool WriteSolidBitmap(const std::string& name, int width, int height, Rgb colour);

private:
    testsupport::ScratchFolder folder;
    std::string path;
};
