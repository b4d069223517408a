#include "led/led_mode_controller.h"

#include "ec/ec_registers.h"
#include "framework/path_text.h"
#include "led/led_mode_write.h"

LedModeController::LedModeController(EcMemory& ecMemory, ModeButtonView& buttonView,
                                     TimerHost& timerHost, const std::string& windowSkinFolder,
                                     ModeRecord* modeRecord)
    : ec(ecMemory), view(buttonView), timers(timerHost), skinFolder(windowSkinFolder),
      record(modeRecord) {}

void LedModeController::SelectLedMode(LedMode mode) {
    if (RowOfMode(mode) == kModeRowSize) {
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
    const bool ran = ec.Transaction([&](EcBytes& bytes) { WriteModeBytes(bytes, base, mode); });
    if (!ran) {
        return false;
    }
    ShowSelection(mode);
    // The mode register holds the mode now: a resume write still waiting has nothing to add.
    resumePending = false;
    if (record != nullptr) {
        record->Record(mode);
    }
    return true;
}

void LedModeController::ShowSelection(LedMode mode) {
    const std::size_t chosen = RowOfMode(mode);
    selectionFlags[chosen] = 1;
    const skin_files::ButtonIcons& chosenIcons = skin_files::kModeRowIcons[chosen];
    view.SetButtonIcon(chosenIcons.control, PathInFolder(skinFolder, chosenIcons.selected));
    for (std::size_t row = 0; row < kModeRowSize; ++row) {
        if (row != chosen) {
            const skin_files::ButtonIcons& icons = skin_files::kModeRowIcons[row];
            view.SetButtonIcon(icons.control, PathInFolder(skinFolder, icons.plain));
        }
    }
    for (std::size_t row = 0; row < kModeRowSize; ++row) {
        if (row != chosen) {
            selectionFlags[row] = 0;
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
    timers.StartTimer(kModeRetryTimer, kRetryPeriodMs);
}

void LedModeController::OnTimer(std::uintptr_t timerId) {
    if (timerId != kModeRetryTimer) {
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
        timers.StopTimer(kModeRetryTimer);
    }
}
