#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "led/led_mode.h"

// The modes' names (kModes) as the command line takes them and the kept-mode file holds them.
std::optional<LedMode> ModeFromName(std::string_view name);
// Empty for a code that is no mode.
std::string_view ModeName(int code);
// Every mode's name, in the order of their codes.
std::vector<std::string_view> ModeNames();

// A kept-mode file's content: the mode's name and a line end.
std::string KeptModeText(LedMode mode);
// The mode a kept-mode file's content names (a line end after the name is allowed); empty for
// anything else, so that a damaged file is never taken for a mode.
std::optional<LedMode> ModeFromKeptText(std::string_view text);
