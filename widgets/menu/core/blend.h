#pragma once
#include <cstdint>

// Moves each channel of a 0x00BBGGRR colour towards 255 by the factor (0 < factor <= 1);
// any other factor leaves the colour as it is.
std::uint32_t BlendToWhite(double factor, std::uint32_t color);
