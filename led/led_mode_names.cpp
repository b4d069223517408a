#include "led/led_mode_names.h"

std::optional<LedMode> ModeFromName(std::string_view name) {
    for (const ModeEntry& entry : kModes) {
        if (entry.name == name) {
            return entry.mode;
        }
    }
    return std::nullopt;
}

std::string_view ModeName(int code) {
    for (const ModeEntry& entry : kModes) {
        if (static_cast<int>(entry.mode) == code) {
            return entry.name;
        }
    }
    return {};
}

std::vector<std::string_view> ModeNames() {
    std::vector<std::string_view> names;
    for (const ModeEntry& entry : kModes) {
        names.push_back(entry.name);
    }
    return names;
}

std::string KeptModeText(LedMode mode) {
    return std::string(ModeName(static_cast<int>(mode))) + '\n';
}

std::optional<LedMode> ModeFromKeptText(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return ModeFromName(text);
}
