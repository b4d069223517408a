#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <utility>

#include "led/led_mode_names.h"
#include "led/mode_row.h"

namespace {

// A copied row would give two modes one code, name or button, and leave a button without a mode.
TEST(ModeTable, EachCodeNameAndButtonIsOneModesAndEachButtonIsInTheMessageRange) {
    std::set<int> codes;
    std::set<std::string_view> names;
    std::set<int> buttons;
    for (const ModeEntry& entry : kModes) {
        EXPECT_TRUE(codes.insert(static_cast<int>(entry.mode)).second) << entry.name;
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_TRUE(buttons.insert(entry.button).second) << entry.name;
        EXPECT_EQ(FindMode(entry.mode), &entry);
        EXPECT_EQ(ModeOfButton(entry.button), &entry);
        EXPECT_EQ(skin_files::kModeRowIcons[RowOfMode(entry.mode)].control, entry.button);
        EXPECT_GE(entry.button, FirstModeButtonId());
        EXPECT_LE(entry.button, LastModeButtonId());
    }
    for (std::size_t row = 0; row < kModeRowSize; ++row) {
        EXPECT_EQ(RowOfButton(skin_files::kModeRowIcons[row].control), row);
    }
    // The exit button's id lies inside the range but is no mode's.
    EXPECT_EQ(ModeOfButton(IDC_EXIT), nullptr);
    EXPECT_EQ(RowOfButton(IDC_EXIT), kModeRowSize);
    EXPECT_EQ(RowOfMode(static_cast<LedMode>(9)), kModeRowSize);
}

// The EC's own codes of the effects, under the names the command line and kept-mode file use.
TEST(ModeTable, TheEffectsKeepTheirEcCodes) {
    const std::pair<std::string_view, int> known[] = {
        {"auto", 0}, {"on", 1}, {"rainbow", 2}, {"breath", 3}, {"colorloop", 4}};
    for (const auto& [name, code] : known) {
        EXPECT_EQ(ModeFromName(name), static_cast<LedMode>(code)) << name;
    }
}

} // namespace
