#include <gtest/gtest.h>

#include <set>
#include <string>

#include "led/led_mode.h"

namespace {

// A copied row would give two buttons the same mode or icons, and one mode no button at all.
TEST(ModeTable, EveryModeHasOneButtonAndEveryButtonItsOwnIcons) {
    std::set<int> modes;
    std::set<int> buttons;
    std::set<std::string> stems;
    for (const ModeButtonRow& row : kModeButtons) {
        if (row.mode) {
            EXPECT_TRUE(modes.insert(static_cast<int>(*row.mode)).second) << row.iconStem;
        }
        EXPECT_TRUE(buttons.insert(static_cast<int>(row.button)).second) << row.iconStem;
        EXPECT_TRUE(stems.insert(row.iconStem).second) << row.iconStem;
    }
    for (const LedMode mode :
         {LedMode::Auto, LedMode::On, LedMode::RainBow, LedMode::Breath, LedMode::ColorLoop}) {
        ASSERT_LT(RowOfMode(mode), kModeButtons.size()) << static_cast<int>(mode);
        EXPECT_EQ(kModeButtons[RowOfMode(mode)].mode, mode);
    }
}

TEST(ModeTable, LooksUpRowsByControlIdWithinTheMessageRange) {
    for (std::size_t row = 0; row < kModeButtons.size(); ++row) {
        const int id = static_cast<int>(kModeButtons[row].button);
        EXPECT_EQ(RowOfButton(id), row);
        EXPECT_GE(id, FirstModeButtonId());
        EXPECT_LE(id, LastModeButtonId());
    }
    EXPECT_EQ(FirstModeButtonId(), 1000);
    EXPECT_EQ(LastModeButtonId(), 1010);
    // The exit button's id lies inside the range but has no row.
    EXPECT_EQ(RowOfButton(1005), kModeButtons.size());
    EXPECT_EQ(RowOfMode(static_cast<LedMode>(9)), kModeButtons.size());
}

TEST(ModeTable, IconFilesAreTheStemWithThePlainOrSelectedSuffix) {
    const ModeButtonRow& breath = kModeButtons[RowOfMode(LedMode::Breath)];
    EXPECT_EQ(PlainIconFile(breath), "\\03_Breath_0.ico");
    EXPECT_EQ(SelectedIconFile(breath), "\\03_Breath_1.ico");
}

} // namespace
