#pragma once

#include <memory>

#include "ec/ec_port.h"
#include "tools/ecsim/state/ec_sim_state.h"
#include "tools/ecsim/state/sim_port_io.h"

using SimulatedPorts = ecsim::SimPortIo;

inline std::unique_ptr<EcPort> PortOn(ecsim::EcSimState& state) {
    return std::make_unique<EcPort>(
        OnlyWay(PortWay::Simulated, std::make_unique<SimulatedPorts>(state)),
        std::make_unique<UnsharedBus>());
}
