#include "ui/core/tray_menu_texts.h"

#include "ui/core/language.h"

std::array<TrayMenuEntry, 2> TrayMenuEntries(std::uint16_t languageId) {
    if (language::UsesChinese(languageId)) {
        return {{{kTrayOpenMainUiCommand, L"01_打开主界面"}, {kTrayExitCommand, L"02_退出"}}};
    }
    return {{{kTrayOpenMainUiCommand, L"01_Open Main UI"}, {kTrayExitCommand, L"02_Exit"}}};
}
