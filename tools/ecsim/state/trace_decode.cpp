#include "tools/ecsim/state/trace_decode.h"

#include "tools/ecsim/state/super_io.h"

namespace ecsim {

std::vector<EcAccess> DecodeEcAccesses(const std::vector<TraceEntry>& trace) {
    std::vector<EcAccess> accesses;
    SioRegisters registers;
    for (const TraceEntry& entry : trace) {
        if (entry.access == PortAccess::Write) {
            if (const auto address = ApplyPortWrite(registers, entry.port, entry.value)) {
                accesses.push_back(
                    {entry.timeNs, entry.pid, PortAccess::Write, *address, entry.value});
            }
        } else if (const auto source = ResolvePortRead(registers, entry.port); source.ramAddress) {
            accesses.push_back(
                {entry.timeNs, entry.pid, PortAccess::Read, *source.ramAddress, entry.value});
        }
    }
    return accesses;
}

} // namespace ecsim
