#include "widgets/menu/core/classic_theme.h"

#include <algorithm>

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool IsClassicThemeValue(std::string_view value) {
    constexpr std::string_view kClassic = "windows classic.theme";
    if (value.size() < kClassic.size()) {
        return false;
    }
    const std::string_view tail = value.substr(value.size() - kClassic.size());
    return std::equal(tail.begin(), tail.end(), kClassic.begin(),
                      [](char a, char b) { return AsciiLower(a) == b; });
}
