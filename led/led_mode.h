#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The lighting-effect code written into the EC's mode register.
enum class LedMode : std::int32_t {
    Auto = 0,
    On = 1,
    RainBow = 2,
    Breath = 3,
    ColorLoop = 4,
};

// The main window's buttons that the mode controller gives icons to; the values are their
// dialog control ids (the main window checks them against its resources at compile time).
// Static is the hidden test button of the power-level monitor.
enum class ModeButton : int {
    On = 1000,
    RainBow = 1001,
    Static = 1002,
    Breath = 1003,
    ColorLoop = 1004,
    Auto = 1010,
};

// One row per mode button, in the order of their icon files: everything the controller, the
// main window and the tests need to know about a mode.
struct ModeButtonRow {
    ModeButton button;
    // None for the hidden test button, which no mode selects.
    std::optional<LedMode> mode;
    // The skin's icons are "<stem>_0.ico" (plain) and "<stem>_1.ico" (selected).
    const char* iconStem;
};

inline constexpr std::array<ModeButtonRow, 6> kModeButtons{{
    {ModeButton::On, LedMode::On, "01_On"},
    {ModeButton::Static, std::nullopt, "02_Static"},
    {ModeButton::Breath, LedMode::Breath, "03_Breath"},
    {ModeButton::ColorLoop, LedMode::ColorLoop, "04_ColorLoop"},
    {ModeButton::RainBow, LedMode::RainBow, "05_RainBow"},
    {ModeButton::Auto, LedMode::Auto, "06_Auto"},
}};

// The position of the row of a mode or of a control id; kModeButtons.size() when none has it.
constexpr std::size_t RowOfMode(LedMode mode) {
    std::size_t row = 0;
    while (row < kModeButtons.size() && kModeButtons[row].mode != mode) {
        ++row;
    }
    return row;
}
constexpr std::size_t RowOfButton(int controlId) {
    std::size_t row = 0;
    while (row < kModeButtons.size() && static_cast<int>(kModeButtons[row].button) != controlId) {
        ++row;
    }
    return row;
}

// The lowest and highest control id of the mode buttons, for a message-table range.
constexpr int FirstModeButtonId() {
    int first = static_cast<int>(kModeButtons[0].button);
    for (const ModeButtonRow& row : kModeButtons) {
        first = std::min(first, static_cast<int>(row.button));
    }
    return first;
}
constexpr int LastModeButtonId() {
    int last = static_cast<int>(kModeButtons[0].button);
    for (const ModeButtonRow& row : kModeButtons) {
        last = std::max(last, static_cast<int>(row.button));
    }
    return last;
}

// File names relative to the skin folder, with the leading backslash.
inline std::string PlainIconFile(const ModeButtonRow& row) {
    return std::string("\\") + row.iconStem + "_0.ico";
}
inline std::string SelectedIconFile(const ModeButtonRow& row) {
    return std::string("\\") + row.iconStem + "_1.ico";
}
