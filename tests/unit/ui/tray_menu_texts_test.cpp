#include <gtest/gtest.h>

#include <string>

#include "ui/core/tray_menu_texts.h"

namespace {

TEST(TrayMenuTexts, EnglishForEveryLanguageButSimplifiedChinese) {
    for (std::uint16_t languageId : {1033, 1031, 1028, 0}) {
        const auto entries = TrayMenuEntries(languageId);
        EXPECT_EQ(entries[0].commandId, 11u);
        EXPECT_EQ(std::wstring(entries[0].text), L"01_Open Main UI");
        EXPECT_EQ(entries[1].commandId, 13u);
        EXPECT_EQ(std::wstring(entries[1].text), L"02_Exit");
    }
}

TEST(TrayMenuTexts, ChineseFor2052) {
    const auto entries = TrayMenuEntries(2052);
    EXPECT_EQ(entries[0].commandId, 11u);
    EXPECT_EQ(std::wstring(entries[0].text), L"01_\u6253\u5F00\u4E3B\u754C\u9762");
    EXPECT_EQ(entries[1].commandId, 13u);
    EXPECT_EQ(std::wstring(entries[1].text), L"02_\u9000\u51FA");
}

} // namespace
