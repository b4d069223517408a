#include "widgets/button/core/button_look.h"

#include <gtest/gtest.h>

namespace glint::button {
namespace {

TEST(IsDrawnPressed, CheckBoxFollowsItsCheckPushButtonItsMenu) {
    EXPECT_TRUE(IsDrawnPressed(true, false, true, false));
    EXPECT_TRUE(IsDrawnPressed(true, true, false, false));
    EXPECT_FALSE(
        IsDrawnPressed(true, false, false, true)); // an open menu does not press a check box
    EXPECT_TRUE(IsDrawnPressed(false, false, false, true));
    EXPECT_FALSE(IsDrawnPressed(false, false, true, false)); // a push button has no check
    EXPECT_TRUE(IsDrawnPressed(false, true, false, false));
}

TEST(ImageSlot, RestImageOnlyAtRest) {
    EXPECT_EQ(ImageSlot(true, {}), 1);
    EXPECT_EQ(ImageSlot(true, {.hover = true}), 0);
    EXPECT_EQ(ImageSlot(true, {.pressed = true}), 0);
    EXPECT_EQ(ImageSlot(true, {.focused = true}), 1);
    EXPECT_EQ(ImageSlot(false, {}), 0);
}

TEST(ImageSlot, CheckBoxIgnoresHover) {
    EXPECT_EQ(ImageSlot(true, {.hover = true, .checkBox = true}), 1);
    EXPECT_EQ(ImageSlot(true, {.pressed = true, .checkBox = true}), 0);
}

TEST(FaceColour, InThenFocusThenOut) {
    const FaceColours c{.in = 1, .out = 2, .focus = 3};
    EXPECT_EQ(FaceColour(c, {}), 2u);
    EXPECT_EQ(FaceColour(c, {.focused = true}), 3u);
    EXPECT_EQ(FaceColour(c, {.hover = true, .focused = true}), 1u);
    EXPECT_EQ(FaceColour(c, {.pressed = true}), 1u);
}

} // namespace
} // namespace glint::button
