#include <gtest/gtest.h>

#include "ui/core/key_filter.h"

namespace {

constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint32_t kKeyUp = 0x0101;
constexpr std::uint32_t kChar = 0x0102;
constexpr std::uint32_t kSysKeyDown = 0x0104;

TEST(KeyFilter, SwallowsEscapeEnterAndAltF4) {
    EXPECT_TRUE(IsSwallowedKey(kKeyDown, 0x1B));
    EXPECT_TRUE(IsSwallowedKey(kKeyDown, 0x0D));
    EXPECT_TRUE(IsSwallowedKey(kSysKeyDown, 0x73));
}

TEST(KeyFilter, LetsOtherKeysAndMessagesThrough) {
    EXPECT_FALSE(IsSwallowedKey(kKeyDown, 0x73));    // F4 without Alt
    EXPECT_FALSE(IsSwallowedKey(kSysKeyDown, 0x1B)); // Alt+Escape switches windows
    EXPECT_FALSE(IsSwallowedKey(kSysKeyDown, 0x20)); // Alt+Space opens the system menu
    EXPECT_FALSE(IsSwallowedKey(kKeyDown, 0x09));    // Tab moves the focus
    EXPECT_FALSE(IsSwallowedKey(kKeyUp, 0x1B));
    EXPECT_FALSE(IsSwallowedKey(kChar, 0x0D));
    EXPECT_FALSE(IsSwallowedKey(kKeyDown, 0x1B + 0x10000)); // not a virtual-key code
}

} // namespace
