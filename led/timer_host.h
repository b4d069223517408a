#pragma once

#include <cstdint>

// The main window's timers, one id each; the window hands every expiry to each part of the LED
// logic, and each part heeds only its own.
enum MainWindowTimer : std::uintptr_t {
    kPowerPollTimer = 1,
    kPopupHideTimer,
    kModeRetryTimer,
    kEcStartupRetryTimer,
};

// The main window's timers, as the LED logic starts and stops them; the window hands each expiry
// back to the logic's OnTimer.
class TimerHost {
public:
    virtual ~TimerHost() = default;

    // Starts, or restarts when it runs already, a timer of the main window.
    virtual void StartTimer(std::uintptr_t timerId, std::uint32_t periodMs) = 0;
    virtual void StopTimer(std::uintptr_t timerId) = 0;
};
