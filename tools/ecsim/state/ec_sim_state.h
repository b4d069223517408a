#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "tools/ecsim/state/shared_state.h"
#include "tools/ecsim/state/state_file.h"
#include "tools/ecsim/state/state_format.h"

namespace ecsim {

// The simulated EC as its state file holds it. Every operation works on the file's shared
// mapping and checks the file first, so a change made by another process shows at the next
// access; on a damaged file (wrong size, magic or version) every operation fails or yields
// nothing, and nothing is written.
class EcSimState {
public:
    // Defaults of a new state: an IT5570 (0x55, 0x70), power level 1, driver open.
    static constexpr std::uint8_t kDefaultChipId1 = 0x55;
    static constexpr std::uint8_t kDefaultChipId2 = 0x70;
    static constexpr std::uint8_t kDefaultPowerLevel = 1;

    explicit EcSimState(StateFile& stateFile) : file(stateFile) {}

    bool IsValid() const { return Shared().has_value(); }
    // Writes a fresh default state over whatever the file held.
    bool Initialise();

    // The emulated ports, each access recorded in the trace. With the driver closed or the file
    // damaged, writes are dropped and reads yield a floating bus (0xFF), untraced.
    void PortWrite(std::uint16_t port, std::uint8_t value);
    std::uint16_t PortRead(std::uint16_t port);
    bool DriverOpen() const;

    // The emulated ports as PawnIO's driver reaches them, traced like the others: io.dll's
    // driver flag does not apply. False, or empty, with nothing changed or traced, when the file
    // is damaged or this is the operation that SetPawnIoFailOp marked to fail.
    bool PawnIoPortWrite(std::uint16_t port, std::uint8_t value);
    std::optional<std::uint8_t> PawnIoPortRead(std::uint16_t port);
    // Whether PawnIO's driver opens for this process (false: as if not run as administrator).
    std::optional<bool> PawnIoElevated() const;
    bool SetPawnIoElevated(bool elevated);
    // Makes the operations-th PawnIO port operation from now fail, once (1: the next); 0 makes
    // none fail. Reads as the operations still to go.
    std::optional<std::uint32_t> PawnIoFailOp() const;
    bool SetPawnIoFailOp(std::uint32_t operations);

    // Makes the EC ignore its next writes of memory through the ports (traced, not taken), as
    // firmware may right after wake-up; 0 makes it take them again. Reads as the writes still to
    // be ignored.
    std::optional<std::uint32_t> IgnoredWrites() const;
    bool SetIgnoredWrites(std::uint32_t writes);

    std::optional<std::uint8_t> Peek(std::uint16_t address) const;
    bool Poke(std::uint16_t address, std::uint8_t value);
    bool SetDriverOpen(bool open);
    bool SetInpHighByte(std::uint8_t value);
    // The register base the EC's chip identification bytes select, as the program chooses it.
    std::optional<std::int32_t> RegisterBase() const;

    // Oldest first; at most the ring's capacity of the latest entries.
    std::optional<std::vector<TraceEntry>> Trace() const;
    bool ClearTrace();

private:
    // The mapped state, when the file holds a valid one now.
    std::optional<SharedState> Shared() const;

    StateFile& file;
};

// Opens the state file, creating it with the default state when it does not exist yet.
std::optional<StateFile> OpenOrCreateState(const std::filesystem::path& path);

} // namespace ecsim
