#include "tools/ecsim/state/trace_decode.h"

#include "ec/super_io_decoder.h"

namespace ecsim {

std::vector<EcAccess> DecodeEcAccesses(const std::vector<TraceEntry>& trace) {
    std::vector<EcAccess> accesses;
    ec::sio::Registers registers;
    for (const TraceEntry& entry : trace) {
        if (entry.access == PortAccess::Write) {
            if (const auto address = ec::sio::ApplyPortWrite(registers, entry.port, entry.value)) {
                accesses.push_back(
                    {entry.timeNs, entry.pid, PortAccess::Write, *address, entry.value});
            }
        } else if (const auto source = ec::sio::ResolvePortRead(registers, entry.port);
                   source.ramAddress) {
            accesses.push_back(
                {entry.timeNs, entry.pid, PortAccess::Read, *source.ramAddress, entry.value});
        }
    }
    return accesses;
}

} // namespace ecsim
