#include "ui/core/start_failure_texts.h"

#include "ui/core/language.h"

namespace {

constexpr wchar_t kCaption[] = L"Glint Controls";
constexpr std::wstring_view kBitsMark = L"{bits}";

const wchar_t* TextOf(PortAccessFailure failure, const language::WayTexts& texts, int programBits) {
    const wchar_t* text = nullptr;
    switch (failure) {
    case PortAccessFailure::None:
    case PortAccessFailure::DriverNotUsable:
        break;
    case PortAccessFailure::LibraryMissing:
        text = texts.libraryMissing;
        break;
    case PortAccessFailure::LibraryNotLoadable:
        text = programBits == 32 && texts.libraryNotLoadableBy32Bit != nullptr
                   ? texts.libraryNotLoadableBy32Bit
                   : texts.libraryNotLoadable;
        break;
    case PortAccessFailure::FunctionMissing:
        text = texts.functionMissing;
        break;
    case PortAccessFailure::NotElevated:
        text = texts.notElevated;
        break;
    case PortAccessFailure::ModuleMissing:
        text = texts.moduleMissing;
        break;
    case PortAccessFailure::ModuleRefused:
        text = texts.moduleRefused;
        break;
    }
    return text != nullptr ? text : texts.driverNotUsable;
}

// Decimal digits made here: std::to_wstring would link the C library's formatter, floating-point
// printing and all, into the program for one number.
std::wstring DecimalText(unsigned value) {
    std::wstring text;
    do {
        text.insert(text.begin(), static_cast<wchar_t>(L'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return text;
}

std::wstring WithBits(std::wstring text, int programBits) {
    const std::wstring bits = DecimalText(static_cast<unsigned>(programBits));
    for (std::size_t at = text.find(kBitsMark); at != std::wstring::npos;
         at = text.find(kBitsMark, at + bits.size())) {
        text.replace(at, kBitsMark.size(), bits);
    }
    return text;
}

} // namespace

StartFailureMessage StartFailureMessageFor(std::span<const PortWayFailure> failedWays,
                                           std::uint16_t languageId, int programBits) {
    const language::StartFailureTexts& texts = language::LanguageFor(languageId).startFailure;
    std::wstring text;
    for (const PortWayFailure& failed : failedWays) {
        const language::WayTexts* way = failed.way == PortWay::IoDll    ? &texts.ioDll
                                        : failed.way == PortWay::PawnIo ? &texts.pawnIo
                                                                        : nullptr;
        if (way != nullptr) {
            text += L"\n\n";
            text += WithBits(TextOf(failed.failure, *way, programBits), programBits);
        }
    }
    if (text.empty()) {
        return {kCaption, {}};
    }
    return {kCaption, texts.heading + text};
}
