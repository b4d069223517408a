#include "ui/core/start_failure_texts.h"

#include "ui/core/language.h"

namespace {

constexpr wchar_t kCaption[] = L"Glint Controls";
constexpr std::wstring_view kBitsMark = L"{bits}";

const wchar_t* IoDllText(PortAccessFailure failure, const language::StartFailureTexts& texts) {
    switch (failure) {
    case PortAccessFailure::LibraryMissing:
        return texts.ioDllMissing;
    case PortAccessFailure::LibraryNotLoadable:
        return texts.ioDllNotLoadable;
    case PortAccessFailure::FunctionMissing:
        return texts.ioDllFunctionMissing;
    default:
        return texts.ioDllDriverNotUsable;
    }
}

const wchar_t* PawnIoText(PortAccessFailure failure, const language::StartFailureTexts& texts,
                          int programBits) {
    switch (failure) {
    case PortAccessFailure::LibraryMissing:
        return texts.pawnIoMissing;
    case PortAccessFailure::LibraryNotLoadable:
        return programBits == 32 ? texts.pawnIoNotLoadableBy32Bit : texts.pawnIoNotLoadable;
    case PortAccessFailure::FunctionMissing:
        return texts.pawnIoFunctionMissing;
    case PortAccessFailure::NotElevated:
        return texts.pawnIoNotElevated;
    case PortAccessFailure::ModuleMissing:
        return texts.pawnIoModuleMissing;
    case PortAccessFailure::ModuleRefused:
        return texts.pawnIoModuleRefused;
    default:
        return texts.pawnIoDriverNotUsable;
    }
}

std::wstring WithBits(std::wstring text, int programBits) {
    const std::wstring bits = std::to_wstring(programBits);
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
        const wchar_t* line = nullptr;
        if (failed.way == PortWay::IoDll) {
            line = IoDllText(failed.failure, texts);
        } else if (failed.way == PortWay::PawnIo) {
            line = PawnIoText(failed.failure, texts, programBits);
        }
        if (line != nullptr) {
            text += L"\n\n";
            text += WithBits(line, programBits);
        }
    }
    if (text.empty()) {
        return {kCaption, {}};
    }
    return {kCaption, texts.heading + text};
}
