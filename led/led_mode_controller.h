#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ec/ec_memory.h"
#include "led/mode_button_view.h"
#include "led/mode_record.h"
#include "led/mode_row.h"
#include "led/timer_host.h"

// The logic behind the mode buttons and the rewrite of the mode after a resume. The buttons
// show the mode the EC actually received: a click or a resume write that could not get the bus
// is tried again from a timer for a few seconds rather than lost or waited for.
class LedModeController {
public:
    // Power-broadcast events that report a resume from sleep.
    static constexpr std::uint32_t kResumeCritical = 6;
    static constexpr std::uint32_t kResumeSuspend = 7;
    static constexpr std::uint32_t kResumeAutomatic = 18;

    // The period of kModeRetryTimer, the main window's timer for the retries.
    static constexpr std::uint32_t kRetryPeriodMs = 100;
    // Each try waits up to the EC port's transaction wait as well: about 5 to 7.5 s in all, long
    // enough to outlast another tool's hold of the bus, short enough that a late write is still
    // what the user asked for.
    static constexpr int kRetryAttempts = 50;

    // One selection flag per button of the mode row, 1 for the mode shown as selected.
    using SelectionFlagArray = std::array<std::int32_t, kModeRowSize>;

    // skinFolder is the main window's skin folder (no trailing backslash), read at each click,
    // so it may still be empty when the controller is constructed. record, when given, is told
    // each mode a click has written into the EC.
    LedModeController(EcMemory& ec, ModeButtonView& view, TimerHost& timers,
                      const std::string& skinFolder, ModeRecord* record = nullptr);

    // Writes the mode into the EC and, once it is there, records it and shows it on the buttons.
    void SelectLedMode(LedMode mode);
    // Rewrites the recorded mode after a resume; the caller then runs the default handling.
    void OnPowerBroadcast(std::uint32_t event);
    // The retry timer; other ids are left alone.
    void OnTimer(std::uintptr_t timerId);

    const SelectionFlagArray& SelectionFlags() const { return selectionFlags; }
    // Empty until the first click that reached the EC.
    std::optional<LedMode> CurrentMode() const { return currentMode; }
    // The click that waits for the bus, if any.
    std::optional<LedMode> PendingMode() const { return pendingClick; }

private:
    // The mode write, the control byte read and its write in one transaction; false when it
    // could not run.
    bool TrySelect(LedMode mode);
    bool TryRewriteMode();
    void ShowSelection(LedMode mode);
    void RetryLater();

    EcMemory& ec;
    ModeButtonView& view;
    TimerHost& timers;
    const std::string& skinFolder;
    ModeRecord* record;

    SelectionFlagArray selectionFlags{};
    // A resume before any click writes nothing: the EC keeps whatever mode it has.
    std::optional<LedMode> currentMode;

    // The latest click that has not reached the EC yet; a newer click replaces it.
    std::optional<LedMode> pendingClick;
    int clickTriesLeft = 0;
    bool resumePending = false;
    int resumeTriesLeft = 0;
};
