#pragma once

#include <array>
#include <cstdint>

// The tray icon's menu: two entries, in the system default language (wide texts, so that the
// Chinese ones show whatever the ANSI code page).
struct TrayMenuEntry {
    std::uint32_t commandId;
    const wchar_t* text;
};

inline constexpr std::uint32_t kTrayOpenMainUiCommand = 11;
inline constexpr std::uint32_t kTrayExitCommand = 13;

std::array<TrayMenuEntry, 2> TrayMenuEntries(std::uint16_t languageId);
