#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "framework/dc.h"
#include "framework/owned_handle.h"
#include "tests/support/win/image.h"

namespace wintest {

// A top-down 32-bit DIB section selected into a memory context: something to draw into and
// read back pixel by pixel.
class PixelCanvas {
public:
    PixelCanvas(int width, int height);
    PixelCanvas(int width, int height, COLORREF fill);
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    // False when the system gave no context or bitmap; then every read is CLR_INVALID or empty.
    bool Ready() const { return selection_.has_value(); }
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // A pixel as 0x00RRGGBB, the order Image holds.
    std::uint32_t At(int x, int y) const;
    // A pixel as GetPixel gives it (COLORREF, 0x00BBGGRR).
    COLORREF Pixel(int x, int y) const;
    Image Read() const;
    void Fill(COLORREF colour);

private:
    int width_;
    int height_;
    OwnedMemoryDc dc_;
    OwnedGdiObject<HBITMAP> bitmap_;
    const std::uint32_t* bits_ = nullptr;
    // Ends first, so that the bitmap is out of the context before either is deleted.
    std::optional<ScopedSelect> selection_;
};

// What the screen shows in that rectangle (a GDI copy of the screen); empty when it cannot be
// read.
Image CaptureScreen(const RECT& area);

} // namespace wintest
