#pragma once
#include <string_view>

// True when a current-theme value names the classic theme: it ends in "Windows Classic.theme",
// compared without regard to ASCII letter case.
bool IsClassicThemeValue(std::string_view value);
