#pragma once

#include <vector>

#include "led/led_mode.h"
#include "res/resource.h"

// Control ids of glint.exe's main window and power-level popup that the driver clicks or looks
// for; the mode buttons come from the program's own mode table.
namespace glint_ids {

// The visible buttons: every mode's, then the window's own.
inline std::vector<int> VisibleButtons() {
    std::vector<int> buttons;
    for (const ModeEntry& entry : kModes) {
        buttons.push_back(entry.button);
    }
    buttons.push_back(IDC_EXIT);
    buttons.push_back(IDC_MIN);
    return buttons;
}

inline constexpr int kExitButton = IDC_EXIT; // the baseline program has it too
inline constexpr int kMinButton = IDC_MIN;
inline constexpr int kTestLevelButton = IDC_STATIC_TEST;
inline constexpr int kPopupLevelText = IDC_PWR_TEXT;

} // namespace glint_ids
