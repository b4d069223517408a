#include "screen_capture.h"

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
