#pragma once

#include <cstdint>

// Keys that must never reach the main window's keyboard handling: Escape and Enter (which would
// cancel the dialog or press its hidden default OK button) and Alt+F4 (which would close it).
bool IsSwallowedKey(std::uint32_t message, std::uintptr_t virtualKey);
