#include "ui/core/start_failure_texts.h"

#include "ui/core/language.h"

namespace {

constexpr wchar_t kCaption[] = L"Glint Controls";

const wchar_t* TextOf(PortAccessFailure failure, const language::Language& texts) {
    switch (failure) {
    case PortAccessFailure::None:
        return nullptr;
    case PortAccessFailure::LibraryMissing:
        return texts.libraryMissing;
    case PortAccessFailure::FunctionMissing:
        return texts.functionMissing;
    case PortAccessFailure::DriverNotUsable:
        return texts.driverNotUsable;
    }
    return nullptr;
}

} // namespace

StartFailureMessage StartFailureMessageFor(PortAccessFailure failure, std::uint16_t languageId) {
    return {kCaption, TextOf(failure, language::LanguageFor(languageId))};
}
