#pragma once
#include <cstdint>

#include "ec/port_io.h"

// Tells the user why the program cannot start, in one message box with no owner window; returns
// once it is dismissed.
void ShowStartFailure(PortAccessFailure failure, std::uint16_t languageId);
