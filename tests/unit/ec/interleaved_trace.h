#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/ecsim/state/state_format.h"

// Checks a trace written by processes that each write port 0x4E with 0, 1, 2, ... at once:
// every entry whole, each process's entries following on from one another, all in time order.
// With fromStart, each process's first entry must be its 0 (the trace has not wrapped). Counts
// the entries of each process into countOf; returns the first fault found, empty when none.
inline std::string FindInterleavingFault(const std::vector<ecsim::TraceEntry>& trace,
                                         std::map<std::uint32_t, int>& countOf, bool fromStart) {
    std::map<std::uint32_t, std::uint8_t> lastOf;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        const ecsim::TraceEntry& entry = trace[i];
        const std::string where =
            "entry " + std::to_string(i) + " of pid " + std::to_string(entry.pid) + ": ";
        if (entry.port != 0x4E || entry.access != ecsim::PortAccess::Write) {
            return where + "not a write of port 0x4E";
        }
        const auto last = lastOf.find(entry.pid);
        const bool follows = last != lastOf.end()
                                 ? entry.value == static_cast<std::uint8_t>(last->second + 1)
                                 : !fromStart || entry.value == 0;
        if (!follows) {
            return where + "value " + std::to_string(entry.value) + " after " +
                   std::to_string(countOf[entry.pid]) + " entries";
        }
        if (i > 0 && trace[i - 1].timeNs > entry.timeNs) {
            return where + "earlier than the one before";
        }
        lastOf[entry.pid] = entry.value;
        ++countOf[entry.pid];
    }
    return "";
}
