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

LedModeController::LedModeController(EcMemory& ecMemory, ModeButtonView& buttonView,
                                     TimerHost& timerHost, const std::string& windowSkinFolder)
    : ec(ecMemory), view(buttonView), timers(timerHost), skinFolder(windowSkinFolder) {}

void LedModeController::SelectLedMode(LedMode mode) {
    if (ButtonOf(mode) == nullptr) {
        return;
    }
    pendingClick.reset();
    if (TrySelect(mode)) {
        return;
    }
    pendingClick = mode;
    clickTriesLeft = kRetryAttempts;
    RetryLater();
}

bool LedModeController::TrySelect(LedMode mode) {
    const std::int32_t base = ec.RegisterBase();
    const auto modeRegister = static_cast<std::uint16_t>(base + ec::kModeRegisterOffset);
    const auto controlByte = static_cast<std::uint16_t>(base + ec::kControlByteOffset);
    const bool ran = ec.Transaction([&](EcBytes& bytes) {
        bytes.WriteByte(modeRegister, static_cast<int>(mode));
        const int control = bytes.ReadByte(controlByte);
        bytes.WriteByte(controlByte, mode == LedMode::On ? (control & 0xFE) : (control | 0x01));
    });
    if (!ran) {
        return false;
    }
    ShowSelection(mode);
    // The mode register holds the mode now: a resume write still waiting has nothing to add.
    resumePending = false;
    return true;
}

void LedModeController::ShowSelection(LedMode mode) {
    const ButtonIcons* chosen = ButtonOf(mode);
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
}

void LedModeController::OnPowerBroadcast(std::uint32_t event) {
    const bool resume =
        event == kResumeCritical || event == kResumeSuspend || event == kResumeAutomatic;
    if (!resume || !currentMode || TryRewriteMode()) {
        return;
    }
    resumePending = true;
    resumeTriesLeft = kRetryAttempts;
    RetryLater();
}

bool LedModeController::TryRewriteMode() {
    const auto modeRegister =
        static_cast<std::uint16_t>(ec.RegisterBase() + ec::kModeRegisterOffset);
    const int mode = static_cast<int>(*currentMode);
    return ec.Transaction([&](EcBytes& bytes) { bytes.WriteByte(modeRegister, mode); });
}

void LedModeController::RetryLater() {
    timers.StartTimer(kRetryTimerId, kRetryPeriodMs);
}

void LedModeController::OnTimer(std::uintptr_t timerId) {
    if (timerId != kRetryTimerId) {
        return;
    }
    // One transaction per tick: while the bus is held, one short wait is all the window gives.
    if (pendingClick) {
        if (TrySelect(*pendingClick) || --clickTriesLeft <= 0) {
            pendingClick.reset();
        }
    } else if (resumePending) {
        if (TryRewriteMode() || --resumeTriesLeft <= 0) {
            resumePending = false;
        }
    }
    if (!pendingClick && !resumePending) {
        timers.StopTimer(kRetryTimerId);
    }
}
