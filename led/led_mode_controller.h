#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ec/ec_port.h"
#include "led/led_mode.h"
#include "led/mode_button_view.h"

// The logic behind the five mode buttons and the rewrite of the mode after a resume.
class LedModeController {
public:
    // Power-broadcast events that report a resume from sleep.
    static constexpr std::uint32_t kResumeCritical = 6;
    static constexpr std::uint32_t kResumeSuspend = 7;
    static constexpr std::uint32_t kResumeAutomatic = 18;

    // Flag positions in selectionFlags.
    enum FlagIndex : std::size_t {
        OnFlag,
        StaticFlag,
        BreathFlag,
        ColorLoopFlag,
        RainBowFlag,
        AutoFlag
    };

    // skinFolder is the main window's skin folder (no trailing backslash), read at each click,
    // so it may still be empty when the controller is constructed.
    LedModeController(EcPort& ec, ModeButtonView& view, const std::string& skinFolder);

    // Shows the choice on the buttons, records it and writes it into the EC.
    void SelectLedMode(LedMode mode);
    // Rewrites the recorded mode after a resume; the caller then runs the default handling.
    void OnPowerBroadcast(std::uint32_t event);

    const std::array<std::int32_t, 6>& SelectionFlags() const { return selectionFlags; }
    // Empty until the first click.
    std::optional<LedMode> CurrentMode() const { return currentMode; }

private:
    EcPort& ec;
    ModeButtonView& view;
    const std::string& skinFolder;

    std::array<std::int32_t, 6> selectionFlags{};
    // A resume before any click writes nothing: the EC keeps whatever mode it has.
    std::optional<LedMode> currentMode;
};
