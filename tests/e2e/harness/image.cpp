#include "image.h"

namespace e2e {

namespace {

using wintest::PixelCanvas;

} // namespace

Image CaptureWindow(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return CaptureScreen(rect);
}

Image LoadBmp(const std::filesystem::path& path) {
    const OwnedGdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    if (!bitmap) {
        return {};
    }
    BITMAP metrics{};
    ::GetObjectW(bitmap.Get(), sizeof(metrics), &metrics);
    PixelCanvas canvas(metrics.bmWidth, metrics.bmHeight);
    const OwnedMemoryDc source(::CreateCompatibleDC(nullptr));
    {
        const ScopedSelect select(source.Get(), bitmap.Get());
        ::BitBlt(canvas.Dc(), 0, 0, metrics.bmWidth, metrics.bmHeight, source.Get(), 0, 0, SRCCOPY);
    }
    return canvas.Read();
}

bool WriteSolidBmp(const std::filesystem::path& path, int width, int height, std::uint32_t colour) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, colour);
    return SaveBmp(image, path);
}

Image RenderIconAsButton(const std::filesystem::path& iconFile, int width, int height) {
    const auto icon = static_cast<HICON>(
        ::LoadImageW(nullptr, iconFile.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    if (icon == nullptr) {
        return {};
    }
    ICONINFO info{};
    BITMAP colour{};
    if (::GetIconInfo(icon, &info)) {
        ::GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(colour),
                     &colour);
        if (info.hbmColor == nullptr) {
            colour.bmHeight /= 2; // a monochrome icon's mask holds both halves
        }
        if (info.hbmColor != nullptr) {
            ::DeleteObject(info.hbmColor);
        }
        ::DeleteObject(info.hbmMask);
    }
    PixelCanvas canvas(width, height);
    Image image;
    if (canvas.Ready()) {
        const RECT all{0, 0, width, height};
        ::FillRect(canvas.Dc(), &all, ::GetSysColorBrush(COLOR_BTNFACE));
        ::DrawIconEx(canvas.Dc(), (width - colour.bmWidth) / 2, (height - colour.bmHeight) / 2,
                     icon, 0, 0, 0, nullptr, DI_NORMAL);
        image = canvas.Read();
    }
    ::DestroyIcon(icon);
    return image;
}

double MatchRatio(const Image& a, const Image& b, int margin, int tolerance) {
    if (a.width != b.width || a.height != b.height || a.Empty()) {
        return 0.0;
    }
    long matched = 0;
    long total = 0;
    for (int y = margin; y < a.height - margin; ++y) {
        for (int x = margin; x < a.width - margin; ++x) {
            ++total;
            matched += SameColour(a.At(x, y), b.At(x, y), tolerance) ? 1 : 0;
        }
    }
    return total == 0 ? 0.0 : static_cast<double>(matched) / static_cast<double>(total);
}

} // namespace e2e
