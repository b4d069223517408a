#pragma once

#include <cstdint>
#include <string_view>

#include "res/resource.h"

// The lighting-effect code written into the EC's mode register.
enum class LedMode : std::int32_t {
    Auto = 0,
    On = 1,
    RainBow = 2,
    Breath = 3,
    ColorLoop = 4,
};

// One lighting effect: its code, its name on glintctl's command line and in the kept-mode file,
// and its button in the main window.
struct ModeEntry {
    LedMode mode;
    std::string_view name;
    int button;
};

// Every lighting effect, in the order of their codes. Whatever lists the modes (glintctl's
// parsing, help and man page, the window's buttons, the tests) takes them from here.
inline constexpr ModeEntry kModes[] = {
    {LedMode::Auto, "auto", IDC_AUTO},
    {LedMode::On, "on", IDC_ON},
    {LedMode::RainBow, "rainbow", IDC_RAINBOW},
    {LedMode::Breath, "breath", IDC_BREATH},
    {LedMode::ColorLoop, "colorloop", IDC_COLORLOOP},
};

// The entry of a mode, or of a control id; null when none has it.
constexpr const ModeEntry* FindMode(LedMode mode) {
    for (const ModeEntry& entry : kModes) {
        if (entry.mode == mode) {
            return &entry;
        }
    }
    return nullptr;
}
constexpr const ModeEntry* ModeOfButton(int controlId) {
    for (const ModeEntry& entry : kModes) {
        if (entry.button == controlId) {
            return &entry;
        }
    }
    return nullptr;
}
