#include "tests/support/win/canvas.h"

namespace wintest {

PixelCanvas::PixelCanvas(int width, int height)
    : width_(width), height_(height), dc_(::CreateCompatibleDC(nullptr)) {
    if (!dc_ || width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap_ && bits != nullptr) {
        bits_ = static_cast<const std::uint32_t*>(bits);
        selection_.emplace(dc_.Get(), bitmap_.Get());
    }
}

PixelCanvas::PixelCanvas(int width, int height, COLORREF fill) : PixelCanvas(width, height) {
    Fill(fill);
}

std::uint32_t PixelCanvas::At(int x, int y) const {
    if (!Ready() || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    ::GdiFlush();
    return bits_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFF;
}

COLORREF PixelCanvas::Pixel(int x, int y) const {
    const std::uint32_t rgb = At(x, y);
    return rgb == CLR_INVALID ? CLR_INVALID
                              : RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

Image PixelCanvas::Read() const {
    Image image;
    if (!Ready()) {
        return image;
    }
    ::GdiFlush();
    image.width = width_;
    image.height = height_;
    image.pixels.assign(bits_, bits_ + static_cast<size_t>(width_) * height_);
    for (std::uint32_t& pixel : image.pixels) {
        pixel &= 0xFFFFFF;
    }
    return image;
}

void PixelCanvas::Fill(COLORREF colour) {
    const RECT all{0, 0, width_, height_};
    const OwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(colour));
    ::FillRect(dc_.Get(), &all, brush.Get());
}

Image CaptureScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    PixelCanvas canvas(width, height);
    const OwnedScreenDc screen(::GetDC(nullptr));
    if (!canvas.Ready() || !screen ||
        !::BitBlt(canvas.Dc(), 0, 0, width, height, screen.Get(), area.left, area.top,
                  SRCCOPY | CAPTUREBLT)) {
        return {};
    }
    return canvas.Read();
}

} // namespace wintest
