#pragma once

#include <cstdint>
#include <string>

#include "led/timer_host.h"

// What the power-level monitor needs of the popup window.
class PowerPopup {
public:
    virtual ~PowerPopup() = default;

    virtual std::int32_t Level() const = 0;
    virtual void SetLevel(std::int32_t level) = 0;
    // 1 while the main window is hidden behind its tray icon.
    virtual void SetPlacementFlag(std::uint8_t flag) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

// What the power-level monitor needs of the main window, which holds the popup pointer, the
// hidden-to-tray flag and the timers.
class PowerMonitorHost : public TimerHost {
public:
    // The popup, or null before it is first created.
    virtual PowerPopup* Popup() = 0;
    // Creates the popup object from its own copy of the skin folder path and then its window,
    // with the main window as parent; called at most once.
    virtual PowerPopup& CreatePopup(std::string skinFolder) = 0;
    virtual std::uint8_t HiddenToTrayFlag() const = 0;
};
