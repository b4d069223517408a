#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "led/power_popup.h"

// The popup and the main window as the power-level monitor sees them, logging what it asks of
// them ("create FOLDER", "level 2", "placement 0", "show", "hide", "start 2 3000", "stop 2").
class RecordingPopup final : public PowerPopup {
public:
    explicit RecordingPopup(std::vector<std::string>& eventLog) : log(eventLog) {}

    std::int32_t Level() const override { return level; }
    void SetLevel(std::int32_t newLevel) override {
        level = newLevel;
        log.push_back("level " + std::to_string(newLevel));
    }
    void SetPlacementFlag(std::uint8_t flag) override {
        log.push_back("placement " + std::to_string(flag));
    }
    void Show() override { log.push_back("show"); }
    void Hide() override { log.push_back("hide"); }

private:
    std::vector<std::string>& log;
    std::int32_t level = 0;
};

class RecordingHost final : public PowerMonitorHost {
public:
    explicit RecordingHost(std::vector<std::string>& eventLog) : log(eventLog) {}

    PowerPopup* Popup() override { return popup.get(); }
    PowerPopup& CreatePopup(std::string skinFolder) override {
        log.push_back("create " + skinFolder);
        // Making the window runs first, as the real popup's does; only then is the pointer set.
        if (auto whileMakingWindow = std::exchange(duringCreation, nullptr)) {
            whileMakingWindow();
        }
        popup = std::make_unique<RecordingPopup>(log);
        return *popup;
    }
    std::uint8_t HiddenToTrayFlag() const override { return hiddenToTray; }
    void StartTimer(std::uintptr_t id, std::uint32_t periodMs) override {
        log.push_back("start " + std::to_string(id) + " " + std::to_string(periodMs));
    }
    void StopTimer(std::uintptr_t id) override { log.push_back("stop " + std::to_string(id)); }

    std::uint8_t hiddenToTray = 0;
    // Runs once, inside the next creation, like the nested message loop of a message box that
    // the popup's window shows while it is made.
    std::function<void()> duringCreation;

private:
    std::vector<std::string>& log;
    std::unique_ptr<RecordingPopup> popup;
};
