#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "led/timer_host.h"

// The main window's timers as the LED logic sees them: which run, and every start and stop.
class RecordingTimers final : public TimerHost {
public:
    void StartTimer(std::uintptr_t id, std::uint32_t periodMs) override {
        running[id] = periodMs;
        log.push_back("start " + std::to_string(id) + " " + std::to_string(periodMs));
    }
    void StopTimer(std::uintptr_t id) override {
        running.erase(id);
        log.push_back("stop " + std::to_string(id));
    }
    bool Running(std::uintptr_t id) const { return running.count(id) != 0; }

    std::map<std::uintptr_t, std::uint32_t> running;
    std::vector<std::string> log;
};
