#pragma once

#include <cstdint>
#include <vector>

#include "tools/ecsim/state/state_format.h"

namespace ecsim {

// One EC byte access, recovered from the port trace; its time is that of its last port access.
struct EcAccess {
    std::uint64_t timeNs;
    std::uint32_t pid;
    PortAccess access;
    std::uint16_t address;
    std::uint8_t value;
};

// Replays the trace through the Super-I/O registers. Accesses whose address selection lies
// before the start of the trace are reported with the address the registers then hold.
std::vector<EcAccess> DecodeEcAccesses(const std::vector<TraceEntry>& trace);

} // namespace ecsim
