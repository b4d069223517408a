#include "tools/ecsim/state/state_lock.h"

#include <thread>

#include "tools/ecsim/state/state_file.h"

namespace ecsim {

namespace {

constexpr unsigned kSpinsBeforeYielding = 64;

// Differs between processes and between the holds of one process, so that a waiter can tell
// one long hold from a run of short ones. Never 0, which marks the lock free.
std::uint32_t NextToken() {
    static std::atomic<std::uint32_t> serial{0};
    const std::uint32_t token =
        CurrentProcessId() * 0x9E3779B1u + serial.fetch_add(1, std::memory_order_relaxed);
    return token != 0 ? token : 1;
}

} // namespace

StateLock::StateLock(const SharedState& state) : word(state.LockWord()), token(NextToken()) {
    using Clock = std::chrono::steady_clock;
    std::uint32_t seen = 0;
    Clock::time_point seenSince{};
    for (unsigned attempt = 0;; ++attempt) {
        std::uint32_t holder = word.load(std::memory_order_relaxed);
        bool stale = false;
        if (holder != 0) {
            const Clock::time_point now = Clock::now();
            if (holder != seen) {
                seen = holder;
                seenSince = now;
            }
            stale = now - seenSince >= kStaleAfter;
        }
        if ((holder == 0 || stale) &&
            word.compare_exchange_strong(holder, token, std::memory_order_seq_cst,
                                         std::memory_order_relaxed)) {
            return;
        }
        if (attempt >= kSpinsBeforeYielding) {
            std::this_thread::yield();
        }
    }
}

StateLock::~StateLock() {
    // Unless it was taken over meanwhile, or cleared by a reinitialisation of the state.
    std::uint32_t expected = token;
    word.compare_exchange_strong(expected, 0, std::memory_order_release, std::memory_order_relaxed);
}

} // namespace ecsim
