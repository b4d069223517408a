#include "image.h"

#include <cstdlib>
#include <fstream>

namespace e2e {

namespace {

// A top-down 32-bit DIB section selected into a memory DC, for drawing and reading pixels.
class PixelCanvas {
public:
    PixelCanvas(int canvasWidth, int canvasHeight) : width(canvasWidth), height(canvasHeight) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = ::CreateCompatibleDC(nullptr);
        bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (dc != nullptr && bitmap != nullptr) {
            previous = ::SelectObject(dc, bitmap);
        }
    }
    ~PixelCanvas() {
        if (previous != nullptr) {
            ::SelectObject(dc, previous);
        }
        if (bitmap != nullptr) {
            ::DeleteObject(bitmap);
        }
        if (dc != nullptr) {
            ::DeleteDC(dc);
        }
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    bool Ready() const { return previous != nullptr; }
    HDC Dc() const { return dc; }

    Image Read() const {
        Image image;
        if (!Ready()) {
            return image;
        }
        ::GdiFlush();
        image.width = width;
        image.height = height;
        const auto* source = static_cast<const std::uint32_t*>(bits);
        image.pixels.assign(source, source + static_cast<size_t>(width) * height);
        for (std::uint32_t& pixel : image.pixels) {
            pixel &= 0xFFFFFF;
        }
        return image;
    }

private:
    int width;
    int height;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    void* bits = nullptr;
};

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

Image CaptureScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    PixelCanvas canvas(width, height);
    const HDC screen = ::GetDC(nullptr);
    if (!canvas.Ready() || screen == nullptr) {
        if (screen != nullptr) {
            ::ReleaseDC(nullptr, screen);
        }
        return {};
    }
    ::BitBlt(canvas.Dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT);
    ::ReleaseDC(nullptr, screen);
    return canvas.Read();
}

Image CaptureWindow(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return CaptureScreen(rect);
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

Image LoadBmp(const std::filesystem::path& path) {
    const auto bitmap = static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (bitmap == nullptr) {
        return {};
    }
    BITMAP metrics{};
    ::GetObjectW(bitmap, sizeof(metrics), &metrics);
    PixelCanvas canvas(metrics.bmWidth, metrics.bmHeight);
    const HDC source = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(source, bitmap);
    ::BitBlt(canvas.Dc(), 0, 0, metrics.bmWidth, metrics.bmHeight, source, 0, 0, SRCCOPY);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
    ::DeleteObject(bitmap);
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
