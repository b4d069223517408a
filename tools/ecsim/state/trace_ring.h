#pragma once

#include <cstdint>
#include <vector>

#include "tools/ecsim/state/shared_state.h"

namespace ecsim {

// Appends an entry to the trace ring; the caller holds the StateLock.
void AppendTrace(SharedState& shared, const TraceEntry& entry);

// The latest entries of the trace ring, oldest first, read without the StateLock so that a
// reader never holds up the program's port accesses. An entry that an append may have been
// overwriting during the read is left out, so every entry returned is whole.
std::vector<TraceEntry> ReadTrace(const SharedState& shared);

} // namespace ecsim
