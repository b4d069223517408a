#pragma once
#include "tools/ecsim/state/ec_sim_state.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

// The simulated EC of one program under test: a state file of its own, fresh for each start.
class SubjectEc {
public:
    // Writes the default state into path and makes it the state of the programs the driver
    // starts next (through ECSIM_STATE, which they inherit).
    static std::optional<SubjectEc> Fresh(const std::string& path);

    bool SetPowerLevel(std::uint8_t level);
    // Time (ecsim's clock) of the first write of mode into the mode register at or after
    // sinceNs, once the trace holds one.
    std::optional<std::uint64_t> ModeWriteTime(std::uint8_t mode, std::uint64_t sinceNs) const;
    // Whether the program has read the power-level register and got value at or after sinceNs.
    bool PowerLevelReadSince(std::uint8_t value, std::uint64_t sinceNs) const;
    // First and last port access of process pid between fromNs and toNs, as times after fromNs.
    std::optional<std::pair<std::uint64_t, std::uint64_t>>
    TrafficSpan(std::uint32_t pid, std::uint64_t fromNs, std::uint64_t toNs) const;

private:
    explicit SubjectEc(std::unique_ptr<ecsim::StateFile> file) : file_(std::move(file)) {}
    std::optional<std::uint64_t> AccessTime(ecsim::PortAccess access, std::int32_t offset,
                                            std::uint8_t value, std::uint64_t sinceNs) const;

    std::unique_ptr<ecsim::StateFile> file_; // EcSimState keeps a reference: a stable address
};

// ecsim's clock (wall-clock nanoseconds), the one its trace is stamped with.
std::uint64_t EcClockNs();
