#include "ui/skin_images.h"

#include "framework/wide_text.h"

HICON LoadSkinIcon(const std::string& path) {
    return static_cast<HICON>(
        ::LoadImageW(nullptr, WideFromUtf8(path).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
}

HBITMAP LoadSkinBitmap(const std::string& path) {
    return static_cast<HBITMAP>(
        ::LoadImageW(nullptr, WideFromUtf8(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}
