#pragma once

#include <memory>

#include "ec/ec_port.h"
#include "tools/ecsim/state/ec_sim_state.h"
#include "tools/ecsim/state/sim_port_io.h"

using SimulatedPorts = ecsim::SimPortIo;

class NoOtherTool final : public BusLock {
public:
    bool Acquire(std::uint32_t) override { return true; }
    void Release() override {}
};

inline std::unique_ptr<EcPort> PortOn(ecsim::EcSimState& state) {
    return std::make_unique<EcPort>(std::make_unique<SimulatedPorts>(state),
                                    std::make_unique<NoOtherTool>());
}
