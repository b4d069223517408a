#pragma once
#include <cstdint>
#include <span>

#include "ec/port_way.h"

// Tells the user why the program cannot start, in one message box with no owner window; returns
// once it is dismissed.
void ShowStartFailure(std::span<const PortWayFailure> failedWays, std::uint16_t languageId);
