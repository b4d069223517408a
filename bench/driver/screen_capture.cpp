#include "screen_capture.h"

#include <memory>
#include <type_traits>

namespace {

struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDelete {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDelete>;

} // namespace

Capture CaptureScreen(const RECT& rect) {
    Capture capture;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return capture;
    }
    ScreenDc screen(GetDC(nullptr));
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!screen || !memory) {
        return capture;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        return capture;
    }
    HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    const bool copied = BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top,
                               SRCCOPY | CAPTUREBLT) != 0;
    SelectObject(memory.get(), previous);
    if (!copied) {
        return capture;
    }
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    capture.width = width;
    capture.height = height;
    capture.pixels.reserve(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
        capture.pixels.push_back(first[i] & 0x00FFFFFFu);
    }
    return capture;
}

double DifferingShare(const Capture& a, const Capture& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.empty()) {
        return 1.0;
    }
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        differing += a.pixels[i] != b.pixels[i] ? 1 : 0;
    }
    return static_cast<double>(differing) / static_cast<double>(a.pixels.size());
}

double ShareNotOfColour(const Capture& capture, std::uint32_t colour) {
    if (capture.pixels.empty()) {
        return 0.0;
    }
    std::size_t differing = 0;
    for (std::uint32_t pixel : capture.pixels) {
        differing += pixel != colour ? 1 : 0;
    }
    return static_cast<double>(differing) / static_cast<double>(capture.pixels.size());
}
