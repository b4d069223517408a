#pragma once

#include <cstdint>

#include "ec/port_io.h"

// The message of a start that cannot reach the EC: what is missing and what to do, in the
// system default language (wide texts, so that the Chinese ones show whatever the ANSI code
// page). Null text for PortAccessFailure::None.
struct StartFailureMessage {
    const wchar_t* caption;
    const wchar_t* text;
};

StartFailureMessage StartFailureMessageFor(PortAccessFailure failure, std::uint16_t languageId);
