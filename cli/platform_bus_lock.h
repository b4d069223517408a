#pragma once

#include <memory>
#include <string>

#include "ec/bus_lock.h"

namespace glintctl {

// The bus lock that goes with the simulated EC in statePath: what the other programs on that
// simulated EC honour. Null when it cannot be opened.
std::unique_ptr<BusLock> MakeSimBusLock(const std::string& statePath);

} // namespace glintctl
