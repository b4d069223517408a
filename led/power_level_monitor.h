#pragma once

#include <cstdint>
#include <string>

#include "ec/ec_memory.h"
#include "led/power_popup.h"

// Polls the EC's performance level and shows the popup when it changes.
class PowerLevelMonitor {
public:
    // The periods of kPowerPollTimer and kPopupHideTimer.
    static constexpr std::uint32_t kPollPeriodMs = 500;
    static constexpr std::uint32_t kHideDelayMs = 3000;

    // skinFolder is the main window's skin folder, read when the popup is first created.
    PowerLevelMonitor(EcMemory& ec, PowerMonitorHost& host, const std::string& skinFolder);

    // Handles the poll and hide timers; the caller then runs the default handling for any id.
    void OnTimer(std::uintptr_t timerId);
    // Creates the popup on first use, hands it shownLevel and the placement flag, shows it.
    void ShowPowerPopup();
    // The hidden test button: steps the popup's level 1 -> 2 -> 3 -> 1.
    void OnTestLevel();

    std::int32_t ShownLevel() const { return shownLevel; }
    std::int32_t LastReading() const { return lastReading; }

private:
    void Poll();

    EcMemory& ec;
    PowerMonitorHost& host;
    const std::string& skinFolder;

    // The level last handed to the popup by the poll; 0 until the first valid reading.
    std::int32_t shownLevel = 0;
    // The byte of the latest poll that got the bus, valid or not.
    std::int32_t lastReading = 0;
    // True while the popup's first creation runs.
    bool makingPopup = false;
};
