#pragma once

#include <cstddef>
#include <string>

// Numbers as the EC tools, glintctl and the tests' logs show bytes and addresses. Header-only and
// window-free, so that the product, the tools and the tests of every build share it.

// value in upper-case hexadecimal, at least `digits` digits (more when it needs more).
inline std::string HexDigits(unsigned value, int digits) {
    std::string text;
    do {
        text.insert(text.begin(), "0123456789ABCDEF"[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (digits > 0 && text.size() < static_cast<std::size_t>(digits)) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    return text;
}

// The same with a 0x in front.
inline std::string Hex(unsigned value, int digits) {
    return "0x" + HexDigits(value, digits);
}
