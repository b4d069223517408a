#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "ec/port_way.h"

// The message of a start that cannot reach the EC: for each way to the ports that was tried,
// what it lacks and what to do, in the system default language (wide texts, so that the Chinese
// ones show whatever the ANSI code page). Empty text when no way failed.
struct StartFailureMessage {
    const wchar_t* caption;
    std::wstring text;
};

// programBits is the running program's bitness (64 or 32): the remedies name the library of that
// bitness.
StartFailureMessage StartFailureMessageFor(std::span<const PortWayFailure> failedWays,
                                           std::uint16_t languageId, int programBits);
