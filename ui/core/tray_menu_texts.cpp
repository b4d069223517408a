#include "ui/core/tray_menu_texts.h"

#include "ui/core/language.h"

std::array<TrayMenuEntry, 2> TrayMenuEntries(std::uint16_t languageId) {
    const language::Language& texts = language::LanguageFor(languageId);
    return {{{kTrayOpenMainUiCommand, texts.trayOpenMainUi}, {kTrayExitCommand, texts.trayExit}}};
}
