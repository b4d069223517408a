#pragma once

#include <array>
#include <cstdint>
#include <span>

// Everything that differs between the program's languages, one row per language: adding a
// language is a row here, its skin folder under skins/ and its words in the skin generator.
// Wide texts, so that they show whatever the ANSI code page.
namespace language {

inline constexpr std::uint16_t kEnglishUs = 0x0409;         // 1033
inline constexpr std::uint16_t kChineseSimplified = 0x0804; // 2052

// What one way to the ports lacks, with the remedy, by cause; null where a cause cannot arise on
// that way (the way's text for a driver not usable stands in). "{bits}" stands for the program's
// bitness (64 or 32).
struct WayTexts {
    const wchar_t* libraryMissing;
    const wchar_t* libraryNotLoadable;
    // Said instead by the 32-bit program, where that differs (PawnIO's library is 64-bit only).
    const wchar_t* libraryNotLoadableBy32Bit;
    const wchar_t* functionMissing;
    const wchar_t* driverNotUsable;
    const wchar_t* notElevated;
    const wchar_t* moduleMissing;
    const wchar_t* moduleRefused;
};

// What a start that cannot reach the EC says: the heading, then each way's text.
struct StartFailureTexts {
    const wchar_t* heading;
    WayTexts ioDll;
    WayTexts pawnIo;
};

struct Language {
    // The system default language id that selects the row.
    std::uint16_t languageId;
    // Beside the executable, with the leading backslash and no trailing one.
    const char* skinFolder;
    const wchar_t* trayOpenMainUi;
    const wchar_t* trayExit;
    StartFailureTexts startFailure;
    // A second start while the program runs in another user's session.
    const wchar_t* runsInAnotherSession;
};

// Every language; the first is the one for every system language without a row of its own.
std::span<const Language> Languages();

const Language& LanguageFor(std::uint16_t languageId);

} // namespace language
