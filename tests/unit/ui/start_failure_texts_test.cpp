#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/core/start_failure_texts.h"

namespace {

bool Says(const wchar_t* text, const std::wstring& part) {
    return text != nullptr && std::wstring(text).find(part) != std::wstring::npos;
}

constexpr PortAccessFailure kFailures[] = {PortAccessFailure::LibraryMissing,
                                           PortAccessFailure::FunctionMissing,
                                           PortAccessFailure::DriverNotUsable};

TEST(StartFailureTexts, EachCauseHasItsOwnTextInEachLanguage) {
    for (std::uint16_t languageId : {1033, 2052}) {
        std::set<std::wstring> texts;
        for (PortAccessFailure failure : kFailures) {
            const StartFailureMessage message = StartFailureMessageFor(failure, languageId);
            ASSERT_NE(message.text, nullptr);
            EXPECT_TRUE(Says(message.text, L"io.dll")) << static_cast<int>(failure);
            EXPECT_EQ(std::wstring(message.caption), L"Glint Controls");
            texts.insert(message.text);
        }
        EXPECT_EQ(texts.size(), 3u);
        EXPECT_EQ(StartFailureMessageFor(PortAccessFailure::None, languageId).text, nullptr);
    }
}

TEST(StartFailureTexts, TheTextNamesTheCauseAndTheRemedy) {
    const auto english = [](PortAccessFailure failure) {
        return StartFailureMessageFor(failure, 1033).text;
    };
    EXPECT_TRUE(Says(english(PortAccessFailure::LibraryMissing), L"not found beside glint.exe"));
    for (const wchar_t* function : {L"Out32", L"Inp32", L"IsInpOutDriverOpen", L"IsXP64Bit"}) {
        EXPECT_TRUE(Says(english(PortAccessFailure::FunctionMissing), function)) << function;
        EXPECT_TRUE(
            Says(StartFailureMessageFor(PortAccessFailure::FunctionMissing, 2052).text, function))
            << function;
    }
    EXPECT_TRUE(Says(english(PortAccessFailure::DriverNotUsable), L"as administrator"));
    EXPECT_TRUE(Says(StartFailureMessageFor(PortAccessFailure::DriverNotUsable, 2052).text,
                     L"\u7BA1\u7406\u5458")); // 管理员
}

TEST(StartFailureTexts, EnglishForEveryLanguageButSimplifiedChinese) {
    for (std::uint16_t languageId : {1031, 1028, 0}) {
        for (PortAccessFailure failure : kFailures) {
            EXPECT_EQ(std::wstring(StartFailureMessageFor(failure, languageId).text),
                      StartFailureMessageFor(failure, 1033).text);
        }
    }
    EXPECT_NE(std::wstring(StartFailureMessageFor(PortAccessFailure::LibraryMissing, 2052).text),
              StartFailureMessageFor(PortAccessFailure::LibraryMissing, 1033).text);
}

} // namespace
