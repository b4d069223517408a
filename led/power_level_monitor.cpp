#include "led/power_level_monitor.h"

#include "ec/ec_registers.h"
#include "led/power_level.h"

PowerLevelMonitor::PowerLevelMonitor(EcMemory& ecMemory, PowerMonitorHost& windowHost,
                                     const std::string& windowSkinFolder)
    : ec(ecMemory), host(windowHost), skinFolder(windowSkinFolder) {}

void PowerLevelMonitor::OnTimer(std::uintptr_t timerId) {
    if (timerId == kPowerPollTimer) {
        Poll();
    } else if (timerId == kPopupHideTimer) {
        host.StopTimer(kPopupHideTimer);
        if (PowerPopup* popup = host.Popup()) {
            popup->Hide();
        }
    }
}

void PowerLevelMonitor::Poll() {
    int reading = 0;
    const auto address = static_cast<std::uint16_t>(ec.RegisterBase() + ec::kPowerLevelOffset);
    // A poll that could not get the bus read nothing; the next one, 500 ms on, reads again.
    if (!ec.Transaction([&](EcBytes& bytes) { reading = bytes.ReadByte(address); })) {
        return;
    }
    lastReading = reading;
    if (PowerLevelFromReading(reading) && reading != shownLevel) {
        shownLevel = reading;
        ShowPowerPopup();
        host.StartTimer(kPopupHideTimer, kHideDelayMs);
    }
}

void PowerLevelMonitor::ShowPowerPopup() {
    PowerPopup* popup = host.Popup();
    if (popup == nullptr) {
        // Making the window may run a nested message loop (a message box about a missing
        // bitmap) in which polls go on: those leave the popup to the call that is making it,
        // which then shows the level polled last.
        if (makingPopup) {
            return;
        }
        makingPopup = true;
        popup = &host.CreatePopup(skinFolder);
        makingPopup = false;
    }
    popup->SetLevel(shownLevel);
    popup->SetPlacementFlag(host.HiddenToTrayFlag());
    popup->Show();
}

void PowerLevelMonitor::OnTestLevel() {
    PowerPopup* popup = host.Popup();
    if (popup == nullptr) {
        ShowPowerPopup();
        return;
    }
    popup->SetLevel(popup->Level() >= 3 ? 1 : popup->Level() + 1);
    popup->Show();
}
