#include "widgets/button/core/grey_pixel.h"

namespace glint::button {

std::uint8_t GreyValue(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const double grey = (green * 0.587 + red * 0.299) + blue * 0.114;
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(grey) & 0xFF);
}

std::uint32_t GreyColour(std::uint32_t colour) {
    if (colour == 0) {
        return 0;
    }
    const std::uint32_t grey = GreyValue(static_cast<std::uint8_t>(colour & 0xFF),
                                         static_cast<std::uint8_t>((colour >> 8) & 0xFF),
                                         static_cast<std::uint8_t>((colour >> 16) & 0xFF));
    return grey | (grey << 8) | (grey << 16);
}

} // namespace glint::button
