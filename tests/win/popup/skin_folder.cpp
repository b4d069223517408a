#include "skin_folder.h"

#include "tests/support/win/image.h"

bool TempSkinFolder::WriteBitmap(const std::string& name, int width, int height,
                                 const std::function<Rgb(int x, int y)>& pixel) {
    wintest::Image image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixel(x, y);
            image.pixels.push_back(wintest::Rgb(c.r, c.g, c.b));
        }
    }
    return wintest::SaveBmp(image, folder.Path() / name);
}

bool TempSkinFolder::WriteSolidBitmap(const std::string& name, int width, int height, Rgb colour) {
    return WriteBitmap(name, width, height, [colour](int, int) { return colour; });
}
