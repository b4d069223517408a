#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "ec/port_io.h"

// Everything that differs between the program's languages, one row per language: adding a
// language is a row here, its skin folder under skins/ and its words in the skin generator.
// Wide texts, so that they show whatever the ANSI code page.
namespace language {

inline constexpr std::uint16_t kEnglishUs = 0x0409;         // 1033
inline constexpr std::uint16_t kChineseSimplified = 0x0804; // 2052

struct Language {
    // The system default language id that selects the row.
    std::uint16_t languageId;
    // Beside the executable, with the leading backslash and no trailing one.
    const char* skinFolder;
    const wchar_t* trayOpenMainUi;
    const wchar_t* trayExit;
    // What a start that cannot reach the EC says, by cause.
    const wchar_t* libraryMissing;
    const wchar_t* functionMissing;
    const wchar_t* driverNotUsable;
};

// Every language; the first is the one for every system language without a row of its own.
std::span<const Language> Languages();

const Language& LanguageFor(std::uint16_t languageId);

} // namespace language
