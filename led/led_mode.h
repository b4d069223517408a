#pragma once

#include <cstdint>

// The lighting-effect code written into the EC's mode register.
enum class LedMode : std::int32_t {
    Auto = 0,
    On = 1,
    RainBow = 2,
    Breath = 3,
    ColorLoop = 4,
};

// The main window's buttons that the mode controller gives icons to; the values are their
// dialog control ids. Static is the hidden test button of the power-level monitor.
enum class ModeButton : int {
    On = 1000,
    RainBow = 1001,
    Static = 1002,
    Breath = 1003,
    ColorLoop = 1004,
    Auto = 1010,
};
