#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/ecsim/state/ec_sim_state.h"
#include "tools/ecsim/state/trace_decode.h"

namespace e2e {

// The simulated EC of one program run, read and changed through its state file while the
// program runs.
class EcSim {
public:
    // A fresh default state (chip 0x55 0x70, driver open) at path, with the power-level register
    // set to powerLevel; null when the file cannot be made.
    static std::unique_ptr<EcSim> Create(const std::filesystem::path& path,
                                         std::uint8_t powerLevel);

    EcSim(const EcSim&) = delete;
    EcSim& operator=(const EcSim&) = delete;

    const std::filesystem::path& Path() const { return path; }
    ecsim::EcSimState& State() { return state; }

    std::optional<std::uint8_t> Peek(std::uint16_t address) const { return state.Peek(address); }
    bool Poke(std::uint16_t address, std::uint8_t value) { return state.Poke(address, value); }

    // Registers at the base the default chip selects (0xC400).
    std::optional<std::uint8_t> ModeRegister() const;
    std::optional<std::uint8_t> ControlByte() const;
    bool SetControlByte(std::uint8_t value);
    bool SetPowerLevel(std::uint8_t level);

    // Every EC byte access of the trace, oldest first.
    std::vector<ecsim::EcAccess> Accesses() const;
    // Only the writes, made at or after timeNs (ecsim::NowNs() clock).
    std::vector<ecsim::EcAccess> WritesSince(std::uint64_t timeNs) const;
    // One process's EC byte accesses but its power-level polls, as readable lines ("R 2000 55",
    // "W C4FC 03"), oldest first.
    std::vector<std::string> AccessLogOf(std::uint32_t pid) const;

private:
    EcSim(std::filesystem::path statePath, ecsim::StateFile stateFile);

    std::filesystem::path path;
    ecsim::StateFile file;
    ecsim::EcSimState state;
};

} // namespace e2e
