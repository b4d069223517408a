#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

#include "tools/ecsim/state/shared_state.h"

namespace ecsim {

// Held while a process changes several fields of the shared state together: a port access
// (registers, RAM and trace), the clearing of the trace, a reinitialisation. It lives in the
// state's header, so the io.dll of a Windows program and the native ecsim command exclude each
// other. Holds last microseconds, so waiters spin; a holder that stays the same for kStaleAfter
// has died holding the lock (a program killed mid-access) and is replaced.
class StateLock {
public:
    static constexpr std::chrono::milliseconds kStaleAfter{1000};

    explicit StateLock(const SharedState& state);
    ~StateLock();
    StateLock(const StateLock&) = delete;
    StateLock& operator=(const StateLock&) = delete;

private:
    std::atomic_ref<std::uint32_t> word;
    const std::uint32_t token;
};

} // namespace ecsim
