#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "led/led_mode.h"
#include "res/skin_files.h"

// The buttons that the mode logic gives icons to, as the skin's file list has them: each mode's
// button with its plain and selected icon, and the hidden test button with its plain one.
inline constexpr std::size_t kModeRowSize = std::size(skin_files::kModeRowIcons);

// The position of a control id, or of a mode's button, in the row; kModeRowSize when none.
constexpr std::size_t RowOfButton(int controlId) {
    std::size_t row = 0;
    while (row < kModeRowSize && skin_files::kModeRowIcons[row].control != controlId) {
        ++row;
    }
    return row;
}
constexpr std::size_t RowOfMode(LedMode mode) {
    const ModeEntry* entry = FindMode(mode);
    return entry != nullptr ? RowOfButton(entry->button) : kModeRowSize;
}

// The lowest and highest control id of the mode buttons, for a message-table range.
constexpr int FirstModeButtonId() {
    return std::ranges::min(kModes, {}, &ModeEntry::button).button;
}
constexpr int LastModeButtonId() {
    return std::ranges::max(kModes, {}, &ModeEntry::button).button;
}

constexpr bool EveryModeHasBothIcons() {
    for (const ModeEntry& entry : kModes) {
        const std::size_t row = RowOfButton(entry.button);
        if (row == kModeRowSize || skin_files::kModeRowIcons[row].selected == nullptr) {
            return false;
        }
    }
    return true;
}
static_assert(EveryModeHasBothIcons(), "res/skin_files.txt names a plain and a selected icon for "
                                       "every mode's button");
