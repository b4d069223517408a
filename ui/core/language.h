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

// What a start that cannot reach the EC says: the heading, then one text for each way to the
// ports with what it lacks and the remedy. "{bits}" stands for the program's bitness (64 or 32).
struct StartFailureTexts {
    const wchar_t* heading;
    const wchar_t* ioDllMissing;
    const wchar_t* ioDllNotLoadable;
    const wchar_t* ioDllFunctionMissing;
    const wchar_t* ioDllDriverNotUsable;
    const wchar_t* pawnIoMissing;
    // PawnIO's library there but not loadable: by the 64-bit program, and by the 32-bit one
    // (PawnIO's library is 64-bit).
    const wchar_t* pawnIoNotLoadable;
    const wchar_t* pawnIoNotLoadableBy32Bit;
    const wchar_t* pawnIoFunctionMissing;
    const wchar_t* pawnIoDriverNotUsable;
    const wchar_t* pawnIoNotElevated;
    const wchar_t* pawnIoModuleMissing;
    const wchar_t* pawnIoModuleRefused;
};

struct Language {
    // The system default language id that selects the row.
    std::uint16_t languageId;
    // Beside the executable, with the leading backslash and no trailing one.
    const char* skinFolder;
    const wchar_t* trayOpenMainUi;
    const wchar_t* trayExit;
    StartFailureTexts startFailure;
};

// Every language; the first is the one for every system language without a row of its own.
std::span<const Language> Languages();

const Language& LanguageFor(std::uint16_t languageId);

} // namespace language
