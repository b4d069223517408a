#include "widgets/menu/text_conversion.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Two CJK characters take six bytes in UTF-8, more than twice their two UTF-16 units.
const std::wstring kTwoCjk = L"\u4e2d\u6587";
const std::string kTwoCjkUtf8 = "\xe4\xb8\xad\xe6\x96\x87";

TEST(TextConversion, WideToNarrowInUtf8KeepsTextLongerThanTwiceItsUnits) {
    EXPECT_EQ(WideToNarrow(kTwoCjk, CP_UTF8), kTwoCjkUtf8);
    EXPECT_EQ(WideToNarrow(L"\u4e2d", CP_UTF8), "\xe4\xb8\xad");
    EXPECT_EQ(WideToNarrow(L"", CP_UTF8), "");
}

TEST(TextConversion, RoundTripsInUtf8AndInTheChineseAnsiCodePage) {
    EXPECT_EQ(NarrowToWide(WideToNarrow(kTwoCjk, CP_UTF8).c_str(), CP_UTF8), kTwoCjk);
    const std::string gbk = WideToNarrow(kTwoCjk, 936);
    EXPECT_EQ(gbk.size(), 4u);
    EXPECT_EQ(NarrowToWide(gbk.c_str(), 936), kTwoCjk);
}

TEST(TextConversion, NullOrUnconvertibleInputGivesAnEmptyString) {
    EXPECT_EQ(NarrowToWide(nullptr, CP_UTF8), L"");
    // An invalid code page fails the conversion rather than giving garbage.
    EXPECT_EQ(WideToNarrow(kTwoCjk, 0xFFFFu), "");
    EXPECT_EQ(NarrowToWide("abc", 0xFFFFu), L"");
}

} // namespace
