#include "ui/core/popup_placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// 64-bit intermediates keep extreme rectangles from overflowing; the result is clamped back.
int ClampToInt(std::int64_t value) {
    constexpr std::int64_t lo = std::numeric_limits<int>::min();
    constexpr std::int64_t hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(value, lo, hi));
}

} // namespace

PopupBounds PlacePopupBounds(const DesktopRect& desktop, int width, int height, bool lowered) {
    const std::int64_t spanX = std::int64_t{desktop.right} - desktop.left - width;
    const std::int64_t spanY = std::int64_t{desktop.bottom} - desktop.top - height;
    std::int64_t y = spanY / 2;
    if (lowered) {
        y += height / 2;
    }
    return PopupBounds{ClampToInt(spanX / 2), ClampToInt(y), width, height};
}
