#include "ui/skin_images.h"

HICON LoadSkinIcon(const std::string& path) {
    return static_cast<HICON>(
        ::LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
}

HBITMAP LoadSkinBitmap(const std::string& path) {
    return static_cast<HBITMAP>(
        ::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}
