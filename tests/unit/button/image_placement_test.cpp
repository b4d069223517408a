#include "widgets/button/core/image_placement.h"

#include <gtest/gtest.h>

namespace glint::button {
namespace {

constexpr Rect kButton{0, 0, 81, 76};

ImagePlacement Icon32(std::uint8_t align, bool hasCaption) {
    ImagePlacement p;
    p.width = 32;
    p.height = 32;
    p.align = align;
    p.hasCaption = hasCaption;
    p.item = kButton;
    p.client = kButton;
    return p;
}

TEST(PlaceImage, WithoutCaptionEveryAlignmentCentresBothWays) {
    for (std::uint8_t align : {kImageLeft, kImageAbove, kImageRight}) {
        Rect caption = kButton;
        const Rect image = PlaceImage(Icon32(align, false), caption);
        EXPECT_EQ(image, (Rect{24, 22, 81, 76})) << "align " << int(align);
        EXPECT_EQ(caption, kButton) << "align " << int(align);
    }
}

TEST(PlaceImage, PressedMovesTheImageOneDownRightUnlessCheckBox) {
    auto p = Icon32(kImageLeft, false);
    p.pressed = true;
    Rect caption = kButton;
    EXPECT_EQ(PlaceImage(p, caption), (Rect{25, 23, 82, 77}));

    p.checkBox = true;
    EXPECT_EQ(PlaceImage(p, caption), (Rect{24, 22, 81, 76}));
}

TEST(PlaceImage, OversizedImageStartsBeforeTheRectangleTruncatingTowardZero) {
    ImagePlacement p;
    p.width = 48;
    p.height = 48;
    p.item = {0, 0, 41, 41};
    p.client = p.item;
    Rect caption = p.item;
    const Rect image = PlaceImage(p, caption);
    EXPECT_EQ(image.left, -3);
    EXPECT_EQ(image.top, -3);

    // Odd spare of -7 in an offset rectangle: 10 + (-7 / 2) = 7, not 6.
    p.item = {10, 20, 51, 61};
    EXPECT_EQ(PlaceImage(p, caption).left, 7);
    EXPECT_EQ(PlaceImage(p, caption).top, 17);
}

TEST(PlaceImage, ImageLeftOfCaptionMakesRoomOnTheLeft) {
    Rect caption = kButton;
    const Rect image = PlaceImage(Icon32(kImageLeft, true), caption);
    EXPECT_EQ(image, (Rect{3, 22, 81, 76}));
    EXPECT_EQ(caption, (Rect{35, 0, 81, 76}));
}

TEST(PlaceImage, ImageAboveCaptionStandsAtTheTop) {
    Rect caption = kButton;
    const Rect image = PlaceImage(Icon32(kImageAbove, true), caption);
    EXPECT_EQ(image, (Rect{24, 3, 81, 76}));
    EXPECT_EQ(caption, (Rect{0, 32, 81, 76}));
}

TEST(PlaceImage, ImageRightOfCaptionUsesTheClientRectangle) {
    auto p = Icon32(kImageRight, true);
    p.client = {0, 0, 100, 76};
    Rect caption = kButton;
    const Rect image = PlaceImage(p, caption);
    EXPECT_EQ(image, (Rect{65, 22, 81, 76}));
    EXPECT_EQ(caption, (Rect{3, 0, 46, 76}));
}

TEST(PlaceImage, UnknownAlignmentLeavesEverythingButThePressedShift) {
    auto p = Icon32(7, true);
    Rect caption = kButton;
    EXPECT_EQ(PlaceImage(p, caption), kButton);
    EXPECT_EQ(caption, kButton);
    p.pressed = true;
    EXPECT_EQ(PlaceImage(p, caption), (Rect{1, 1, 82, 77}));
}

TEST(PlaceImage, HugeRecordedSizeDoesNotOverflow) {
    ImagePlacement p;
    p.width = 0xFFFFFFFEu;
    p.height = 0xFFFFFFFEu;
    p.item = kButton;
    Rect caption = kButton;
    const Rect image = PlaceImage(p, caption);
    EXPECT_LT(image.left, 0);
    EXPECT_LT(image.top, 0);
}

} // namespace
} // namespace glint::button
