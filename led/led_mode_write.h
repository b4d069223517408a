#pragma once

#include <cstdint>
#include <optional>

#include "ec/ec_memory.h"
#include "led/led_mode.h"

// The control byte written with a mode: bit 0 cleared for On and set for every other mode, bits
// 1-7 kept as read.
int ControlByteForMode(LedMode mode, int controlRead);

// The byte accesses of a mode write (the mode register, then the control byte read and
// rewritten), for use inside a held section: the window's click and the command line's mode
// command both write a mode through this.
void WriteModeBytes(EcBytes& bytes, std::int32_t registerBase, LedMode mode);

// What the EC holds right after a mode write, read back in the same held section.
struct LedModeReadBack {
    int modeRegister = 0;
    int controlByte = 0;
};

// WriteModeBytes, then both bytes read back, inside a held section.
LedModeReadBack WriteModeBytesAndReadBack(EcBytes& bytes, std::int32_t registerBase, LedMode mode);

// Writes the mode exactly as a click on its button does (the mode register, then the control
// byte read and rewritten), and reads both back, all in one held section. Empty when the section
// could not be had: then nothing was written.
std::optional<LedModeReadBack> WriteLedMode(EcMemory& ec, LedMode mode);
