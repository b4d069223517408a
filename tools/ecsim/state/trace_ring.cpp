#include "tools/ecsim/state/trace_ring.h"

#include <algorithm>
#include <atomic>

namespace ecsim {

void AppendTrace(SharedState& shared, const TraceEntry& entry) {
    const std::uint32_t count = shared.TraceCount();
    shared.SetTraceSlot(count % kTraceCapacity, entry);
    shared.SetTraceCount(count + 1);
}

std::vector<TraceEntry> ReadTrace(const SharedState& shared) {
    for (;;) {
        const std::uint32_t before = shared.TraceCount();
        const std::uint32_t first = before - std::min(before, kTraceCapacity);
        std::vector<TraceEntry> entries;
        entries.reserve(before - first);
        for (std::uint32_t n = first; n != before; ++n) {
            entries.push_back(shared.TraceSlot(n % kTraceCapacity));
        }
        // Appends run one at a time under the lock, each writing its entry before counting it.
        // If the lock is free now, every append that overlapped the copy has been counted;
        // if it is held, one more may be writing, entry number `after`.
        std::atomic_thread_fence(std::memory_order_seq_cst);
        const bool appending = shared.LockWord().load(std::memory_order_seq_cst) != 0;
        const std::uint32_t after = shared.TraceCount();
        if (after < before) {
            continue; // cleared meanwhile
        }
        const std::uint64_t written = std::uint64_t{after} + (appending ? 1 : 0);
        // Entry n shares its slot with entry n + capacity, which may have been written meanwhile.
        const std::uint64_t firstWhole = written > kTraceCapacity ? written - kTraceCapacity : 0;
        const auto overwritten = static_cast<std::ptrdiff_t>(
            std::min<std::uint64_t>(entries.size(), firstWhole > first ? firstWhole - first : 0));
        entries.erase(entries.begin(), entries.begin() + overwritten);
        return entries;
    }
}

} // namespace ecsim
