#pragma once

#include <memory>

#include "ec/ec_port.h"
#include "tools/ecsim/state/ec_sim_state.h"

// The simulated EC reached the way io.dll reaches it, so EcPort can run against it natively.
class SimulatedPorts final : public PortIo {
public:
    explicit SimulatedPorts(ecsim::EcSimState& simState) : state(simState) {}
    PortAccessFailure Open() override { return PortAccessFailure::None; }
    bool IsUsable() override { return state.DriverOpen(); }
    void Write(std::uint16_t port, std::uint8_t value) override { state.PortWrite(port, value); }
    std::uint16_t Read(std::uint16_t port) override { return state.PortRead(port); }

private:
    ecsim::EcSimState& state;
};

inline std::unique_ptr<EcPort> PortOn(ecsim::EcSimState& state) {
    return std::make_unique<EcPort>(std::make_unique<SimulatedPorts>(state),
                                    std::make_unique<UnsharedBus>());
}
