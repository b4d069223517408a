#pragma once
#include <cstdint>

namespace glint::button {

// Luminance of a colour, as the grey copy of an icon uses it: 0.587 G + 0.299 R + 0.114 B in
// double precision, truncated toward zero, low 8 bits.
std::uint8_t GreyValue(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// A 0x00BBGGRR colour turned grey; pure black (value 0) stays as it is.
std::uint32_t GreyColour(std::uint32_t colour);

} // namespace glint::button
