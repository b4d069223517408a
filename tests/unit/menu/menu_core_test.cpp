#include "widgets/menu/core/blend.h"
#include "widgets/menu/core/check_box_position.h"
#include "widgets/menu/core/classic_theme.h"
#include "widgets/menu/core/item_text.h"
#include "widgets/menu/core/os_class.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}

TEST(BlendToWhite, LiftsEachChannelAndTruncates) {
    EXPECT_EQ(BlendToWhite(0.7, Rgb(0, 0, 0)), Rgb(178, 178, 178));
    EXPECT_EQ(BlendToWhite(0.5, Rgb(10, 100, 255)), Rgb(132, 177, 255));
    EXPECT_EQ(BlendToWhite(0.85, Rgb(0, 120, 215)), Rgb(216, 234, 249));
    EXPECT_EQ(BlendToWhite(1.0, Rgb(1, 2, 3)), Rgb(255, 255, 255));
    for (double f : {0.01, 0.6, 0.7, 0.85, 1.0}) {
        EXPECT_EQ(BlendToWhite(f, Rgb(255, 255, 255)), Rgb(255, 255, 255)) << f;
    }
}

TEST(BlendToWhite, FactorsOutsideTheRangeLeaveTheColour) {
    const std::uint32_t c = Rgb(12, 34, 56);
    for (double f : {0.0, -0.5, 1.0000001, 2.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(BlendToWhite(f, c), c) << f;
    }
}

TEST(OsClass, ConsumerFamily) {
    const std::uint32_t top = 0x80000000u;
    EXPECT_EQ(OsClassFromVersion(top | 3, OsVersionNumbers{3, 10}), 0);
    EXPECT_EQ(OsClassFromVersion(top | 3, std::nullopt), 0);
    EXPECT_EQ(OsClassFromVersion(top | 4, OsVersionNumbers{4, 0}), 2);
    EXPECT_EQ(OsClassFromVersion(top | 4, OsVersionNumbers{4, 10}), 3);
    EXPECT_EQ(OsClassFromVersion(top | 4, OsVersionNumbers{4, 90}), 4);
    EXPECT_EQ(OsClassFromVersion(top | 4, std::nullopt), 2);
}

TEST(OsClass, NtFamily) {
    EXPECT_EQ(OsClassFromVersion(3, OsVersionNumbers{3, 51}), 1);
    EXPECT_EQ(OsClassFromVersion(4, OsVersionNumbers{4, 0}), 5);
    EXPECT_EQ(OsClassFromVersion(5, OsVersionNumbers{5, 0}), 6);
    EXPECT_EQ(OsClassFromVersion(5, OsVersionNumbers{5, 1}), 7);
    EXPECT_EQ(OsClassFromVersion(5, OsVersionNumbers{5, 2}), 1);
    EXPECT_EQ(OsClassFromVersion(6, OsVersionNumbers{6, 0}), 1);
    EXPECT_EQ(OsClassFromVersion(10, OsVersionNumbers{10, 0}), 1);
    EXPECT_EQ(OsClassFromVersion(5, std::nullopt), 1);
}

TEST(ItemText, SplitsAtFirstAndLastTab) {
    auto plain = SplitItemText(std::string_view("&Open"));
    EXPECT_EQ(plain.label, "&Open");
    EXPECT_FALSE(plain.accelerator.has_value());

    auto one = SplitItemText(std::wstring_view(L"&Open\tCtrl+O"));
    EXPECT_EQ(one.label, L"&Open");
    EXPECT_EQ(one.accelerator, L"Ctrl+O");

    auto two = SplitItemText(std::string_view("Label\tmiddle\tF5"));
    EXPECT_EQ(two.label, "Label");
    EXPECT_EQ(two.accelerator, "F5");

    auto trailing = SplitItemText(std::string_view("Label\t"));
    EXPECT_EQ(trailing.label, "Label");
    EXPECT_EQ(trailing.accelerator, "");
}

TEST(CheckBoxPosition, RoundsHalfUpAndNeverGoesNegative) {
    EXPECT_EQ(CenteredBoxOffset(23, 16), 4); // 3.5 rounds up
    EXPECT_EQ(CenteredBoxOffset(22, 16), 3);
    EXPECT_EQ(CenteredBoxOffset(16, 16), 0);
    EXPECT_EQ(CenteredBoxOffset(15, 16), 0);
    EXPECT_EQ(CenteredBoxOffset(10, 16), 0);
}

TEST(ClassicTheme, MatchesTheTailInAnyCase) {
    EXPECT_TRUE(IsClassicThemeValue("Windows Classic.theme"));
    EXPECT_TRUE(IsClassicThemeValue("C:\\WINDOWS\\Resources\\Themes\\WINDOWS CLASSIC.THEME"));
    EXPECT_TRUE(IsClassicThemeValue("x:\\wInDoWs cLaSsIc.ThEmE"));
    EXPECT_FALSE(IsClassicThemeValue(""));
    EXPECT_FALSE(IsClassicThemeValue("Classic.theme"));
    EXPECT_FALSE(IsClassicThemeValue("C:\\Themes\\Luna.theme"));
    EXPECT_FALSE(IsClassicThemeValue("Windows Classic.theme.bak"));
    EXPECT_FALSE(IsClassicThemeValue("Windows_Classic.theme"));
}

} // namespace
