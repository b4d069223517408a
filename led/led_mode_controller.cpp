#include "led/led_mode_controller.h"

#include "ec/ec_registers.h"

namespace {

struct ButtonIcons {
    ModeButton button;
    LedModeController::FlagIndex flag;
    const char* plainIcon;
    const char* selectedIcon; // null: never shown as selected
};

constexpr std::array<ButtonIcons, 6> kButtons{{
    {ModeButton::On, LedModeController::OnFlag, "\\01_On_0.ico", "\\01_On_1.ico"},
    {ModeButton::Static, LedModeController::StaticFlag, "\\02_Static_0.ico", nullptr},
    {ModeButton::Breath, LedModeController::BreathFlag, "\\03_Breath_0.ico", "\\03_Breath_1.ico"},
    {ModeButton::ColorLoop, LedModeController::ColorLoopFlag, "\\04_ColorLoop_0.ico",
     "\\04_ColorLoop_1.ico"},
    {ModeButton::RainBow, LedModeController::RainBowFlag, "\\05_RainBow_0.ico",
     "\\05_RainBow_1.ico"},
    {ModeButton::Auto, LedModeController::AutoFlag, "\\06_Auto_0.ico", "\\06_Auto_1.ico"},
}};

const ButtonIcons* ButtonOf(LedMode mode) {
    switch (mode) {
    case LedMode::Auto:
        return &kButtons[LedModeController::AutoFlag];
    case LedMode::On:
        return &kButtons[LedModeController::OnFlag];
    case LedMode::RainBow:
        return &kButtons[LedModeController::RainBowFlag];
    case LedMode::Breath:
        return &kButtons[LedModeController::BreathFlag];
    case LedMode::ColorLoop:
        return &kButtons[LedModeController::ColorLoopFlag];
    }
    return nullptr;
}

} // namespace

LedModeController::LedModeController(EcPort& ecPort, ModeButtonView& buttonView,
                                     const std::string& windowSkinFolder)
    : ec(ecPort), view(buttonView), skinFolder(windowSkinFolder) {}

void LedModeController::SelectLedMode(LedMode mode) {
    const ButtonIcons* chosen = ButtonOf(mode);
    if (chosen == nullptr) {
        return;
    }
    selectionFlags[chosen->flag] = 1;
    view.SetButtonIcon(chosen->button, skinFolder + chosen->selectedIcon);
    for (const ButtonIcons& other : kButtons) {
        if (&other != chosen) {
            view.SetButtonIcon(other.button, skinFolder + other.plainIcon);
        }
    }
    for (const ButtonIcons& other : kButtons) {
        if (&other != chosen) {
            selectionFlags[other.flag] = 0;
        }
    }
    currentMode = mode;

    const std::int32_t base = ec.registerBase;
    ec.WriteByte(static_cast<std::uint16_t>(base + ec::kModeRegisterOffset),
                 static_cast<int>(mode));
    const int control = ec.ReadByte(static_cast<std::uint16_t>(base + ec::kControlByteOffset));
    const int newControl = mode == LedMode::On ? (control & 0xFE) : (control | 0x01);
    ec.WriteByte(static_cast<std::uint16_t>(base + ec::kControlByteOffset), newControl);
}

void LedModeController::OnPowerBroadcast(std::uint32_t event) {
    const bool resume =
        event == kResumeCritical || event == kResumeSuspend || event == kResumeAutomatic;
    if (resume && currentMode) {
        ec.WriteByte(static_cast<std::uint16_t>(ec.registerBase + ec::kModeRegisterOffset),
                     static_cast<int>(*currentMode));
    }
}
