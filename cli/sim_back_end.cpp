#include <optional>

#include "cli/back_end.h"
#include "cli/platform_bus_lock.h"
#include "tools/ecsim/state/ec_sim_state.h"
#include "tools/ecsim/state/sim_port_io.h"

namespace glintctl {

namespace {

// The simulated ports together with the state file they live in.
class SimStatePortIo final : public PortIo {
public:
    explicit SimStatePortIo(ecsim::StateFile stateFile) : file(std::move(stateFile)) {}
    SimStatePortIo(const SimStatePortIo&) = delete;
    SimStatePortIo& operator=(const SimStatePortIo&) = delete;

    bool IsValid() const { return state.IsValid(); }

    PortAccessFailure Open() override { return ports.Open(); }
    bool IsUsable() override { return ports.IsUsable(); }
    bool Write(std::uint16_t port, std::uint8_t value) override { return ports.Write(port, value); }
    std::optional<std::uint16_t> Read(std::uint16_t port) override { return ports.Read(port); }

private:
    ecsim::StateFile file;
    ecsim::EcSimState state{file};
    ecsim::SimPortIo ports{state};
};

} // namespace

BackEnd OpenSimBackEnd(const std::string& statePath) {
    std::optional<ecsim::StateFile> file = ecsim::OpenOrCreateState(statePath);
    if (!file) {
        return {{}, nullptr, "cannot open the simulated EC's state file " + statePath};
    }
    auto io = std::make_unique<SimStatePortIo>(std::move(*file));
    if (!io->IsValid()) {
        return {{}, nullptr, statePath + " holds no simulated EC state"};
    }
    std::unique_ptr<BusLock> busLock = MakeSimBusLock(statePath);
    if (!busLock) {
        return {{}, nullptr, "cannot open the bus lock of " + statePath};
    }
    return {OnlyWay(PortWay::Simulated, std::move(io)), std::move(busLock), {}};
}

} // namespace glintctl
