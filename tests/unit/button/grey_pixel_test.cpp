#include "widgets/button/core/grey_pixel.h"

#include <gtest/gtest.h>

namespace glint::button {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

TEST(GreyValue, WeightsTruncateTowardZero) {
    EXPECT_EQ(GreyValue(255, 255, 255), 255);
    EXPECT_EQ(GreyValue(128, 128, 128), 127); // the weights sum to just under one
    EXPECT_EQ(GreyValue(1, 1, 1), 0);
    EXPECT_EQ(GreyValue(255, 0, 0), 76);
    EXPECT_EQ(GreyValue(0, 255, 0), 149);
    EXPECT_EQ(GreyValue(0, 0, 255), 29);
}

TEST(GreyColour, GreysEveryChannelAndKeepsPureBlack) {
    EXPECT_EQ(GreyColour(Rgb(255, 255, 255)), Rgb(255, 255, 255));
    EXPECT_EQ(GreyColour(Rgb(128, 128, 128)), Rgb(127, 127, 127));
    EXPECT_EQ(GreyColour(Rgb(1, 1, 1)), 0u);
    EXPECT_EQ(GreyColour(Rgb(255, 0, 0)), Rgb(76, 76, 76));
    EXPECT_EQ(GreyColour(Rgb(0, 0, 255)), Rgb(29, 29, 29)); // blue is the high byte
    EXPECT_EQ(GreyColour(0), 0u);
}

} // namespace
} // namespace glint::button
