#pragma once

#include <cstdint>

// System default language ids that the program tells apart.
namespace language {

inline constexpr std::uint16_t kEnglishUs = 0x0409;         // 1033
inline constexpr std::uint16_t kChineseSimplified = 0x0804; // 2052

// Chinese skin and texts for Simplified Chinese only; English for every other language.
constexpr bool UsesChinese(std::uint16_t languageId) {
    return languageId == kChineseSimplified;
}

} // namespace language
