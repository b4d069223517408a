#pragma once

#include <mutex>
#include <optional>

#include "tools/ecsim/state/ec_sim_state.h"

namespace ecsim {

// The simulated EC's state as a simulated port library reaches it: the file named by
// ECSIM_STATE (a Windows path, or under Wine a Unix path), else ecsim_state.bin beside the
// library, opened on first use and created with the default state when missing. One operation
// at a time per process: the file's mapping is shared by the library's callers.
class StateAccess {
public:
    StateAccess();
    StateAccess(const StateAccess&) = delete;
    StateAccess& operator=(const StateAccess&) = delete;

    // Null when the file cannot be opened or created.
    EcSimState* State() { return state ? &*state : nullptr; }

private:
    std::unique_lock<std::mutex> hold;
    std::optional<EcSimState> state;
};

} // namespace ecsim
