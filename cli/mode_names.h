#pragma once

#include <optional>
#include <string_view>

#include "led/led_mode.h"

namespace glintctl {

// The command line's names of the modes: auto, on, rainbow, breath, colorloop.
std::optional<LedMode> ModeFromName(std::string_view name);
// Empty for a code that is no mode.
std::string_view ModeName(int code);

} // namespace glintctl
