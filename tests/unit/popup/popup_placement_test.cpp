#include "ui/core/popup_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct Case {
    const char* name;
    DesktopRect desktop;
    int width;
    int height;
    int centredX;
    int centredY;
    int loweredY;
};

class PopupPlacement : public testing::TestWithParam<Case> {};

TEST_P(PopupPlacement, CentresOrLowersByHalfItsHeightAndKeepsTheSize) {
    const Case& c = GetParam();
    const PopupBounds centred = PlacePopupBounds(c.desktop, c.width, c.height, false);
    EXPECT_EQ(centred.x, c.centredX);
    EXPECT_EQ(centred.y, c.centredY);
    EXPECT_EQ(centred.width, c.width);
    EXPECT_EQ(centred.height, c.height);

    const PopupBounds lowered = PlacePopupBounds(c.desktop, c.width, c.height, true);
    EXPECT_EQ(lowered.x, c.centredX) << "lowering must not move the popup sideways";
    EXPECT_EQ(lowered.y, c.loweredY);
    EXPECT_EQ(lowered.width, c.width);
    EXPECT_EQ(lowered.height, c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PopupPlacement,
    testing::Values(
        Case{"FullHd", {0, 0, 1920, 1080}, 300, 200, 810, 440, 540},
        // Odd sizes: every half is truncated, (1366-301)/2 = 532, (768-201)/2 = 283, 201/2 = 100.
        Case{"OddSizes", {0, 0, 1366, 768}, 301, 201, 532, 283, 383},
        // The desktop's origin is not added: only its extent counts.
        Case{"OffsetDesktop", {100, 50, 2020, 1130}, 300, 200, 810, 440, 540},
        // A popup larger than the screen: halves truncate toward zero, not toward minus infinity.
        Case{"LargerThanScreen", {0, 0, 800, 600}, 1001, 701, -100, -50, 300},
        Case{"EmptyPopup", {0, 0, 1920, 1080}, 0, 0, 960, 540, 540},
        Case{"EmptyDesktop", {0, 0, 0, 0}, 3, 5, -1, -2, 0}),
    [](const testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

TEST(PopupPlacementLimits, ExtremeRectanglesClampInsteadOfOverflowing) {
    // Inverted desktops and huge sizes overflow int arithmetic; the result saturates instead.
    const PopupBounds high =
        PlacePopupBounds({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MIN, INT_MIN, false);
    EXPECT_EQ(high.x, INT_MAX);
    EXPECT_EQ(high.y, INT_MAX);

    const PopupBounds low =
        PlacePopupBounds({INT_MAX, INT_MAX, INT_MIN, INT_MIN}, INT_MAX, INT_MAX, false);
    EXPECT_EQ(low.x, INT_MIN);
    EXPECT_EQ(low.y, INT_MIN);
    // Lowering by half of INT_MAX brings y back into range: (-3 * 2^31 + 2) / 2 + (2^31 - 1) / 2.
    EXPECT_EQ(PlacePopupBounds({INT_MAX, INT_MAX, INT_MIN, INT_MIN}, INT_MAX, INT_MAX, true).y,
              INT_MIN);
}

} // namespace
