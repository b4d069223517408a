#include "widgets/menu/core/blend.h"

std::uint32_t BlendToWhite(double factor, std::uint32_t color) {
    if (!(factor > 0.0 && factor <= 1.0)) {
        return color;
    }
    std::uint32_t blended = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t value = (color >> shift) & 0xFF;
        const auto lifted = static_cast<std::uint32_t>(value + factor * (255 - value));
        blended |= lifted << shift;
    }
    return blended;
}
