#pragma once

#include "ec/port_io.h"
#include "tools/ecsim/state/ec_sim_state.h"

namespace ecsim {

// The simulated EC's ports reached the way io.dll reaches them: a port back end for EcPort that
// needs neither the library nor the hardware.
class SimPortIo final : public PortIo {
public:
    explicit SimPortIo(EcSimState& simState) : state(simState) {}
    PortAccessFailure Open() override { return PortAccessFailure::None; }
    bool IsUsable() override { return state.DriverOpen(); }
    bool Write(std::uint16_t port, std::uint8_t value) override {
        state.PortWrite(port, value);
        return true;
    }
    std::optional<std::uint16_t> Read(std::uint16_t port) override { return state.PortRead(port); }

private:
    EcSimState& state;
};

} // namespace ecsim
