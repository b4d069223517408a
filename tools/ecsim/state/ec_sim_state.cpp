#include "tools/ecsim/state/ec_sim_state.h"

#include <cstddef>
#include <cstring>

#include "ec/ec_registers.h"
#include "tools/ecsim/state/state_lock.h"
#include "tools/ecsim/state/trace_ring.h"

namespace ecsim {

namespace {

std::vector<std::uint8_t> DefaultImage() {
    std::vector<std::uint8_t> image(kFileSize, 0);
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof(kMagic));
    header.version = kVersion;
    header.fileSize = static_cast<std::uint32_t>(kFileSize);
    header.driverOpen = 1;
    header.traceCapacity = kTraceCapacity;
    std::memcpy(image.data(), &header, sizeof(header));

    std::uint8_t* ram = image.data() + kRamOffset;
    ram[ec::kChipIdAddress1] = EcSimState::kDefaultChipId1;
    ram[ec::kChipIdAddress2] = EcSimState::kDefaultChipId2;
    ram[ec::RegisterBaseForChip(EcSimState::kDefaultChipId1, EcSimState::kDefaultChipId2) +
        ec::kPowerLevelOffset] = EcSimState::kDefaultPowerLevel;
    return image;
}

// One emulated port access; the caller holds the StateLock.
void WriteLocked(SharedState& shared, std::uint16_t port, std::uint8_t value) {
    ec::sio::Registers registers = shared.Sio();
    if (const auto ramAddress = ec::sio::ApplyPortWrite(registers, port, value)) {
        // The port traffic happens all the same; the EC only does not take the byte.
        if (const std::uint32_t ignored = shared.IgnoredWrites(); ignored != 0) {
            shared.SetIgnoredWrites(ignored - 1);
        } else {
            shared.SetRam(*ramAddress, value);
        }
    }
    shared.SetSio(registers);
    AppendTrace(shared, {NowNs(), CurrentProcessId(), port, value, PortAccess::Write});
}

std::uint8_t ReadLocked(SharedState& shared, std::uint16_t port) {
    const ec::sio::PortReadResult source = ec::sio::ResolvePortRead(shared.Sio(), port);
    const std::uint8_t value =
        source.ramAddress ? shared.Ram(*source.ramAddress) : source.registerValue;
    AppendTrace(shared, {NowNs(), CurrentProcessId(), port, value, PortAccess::Read});
    return value;
}

// Counts one PawnIO port operation down to the one marked to fail; true for that one. The
// caller holds the StateLock.
bool TakeMarkedFailure(SharedState& shared) {
    const std::uint32_t remaining = shared.PawnIoFailCountdown();
    if (remaining == 0) {
        return false;
    }
    shared.SetPawnIoFailCountdown(remaining - 1);
    return remaining == 1;
}

} // namespace

std::optional<SharedState> EcSimState::Shared() const {
    std::uint8_t* mapped = file.Map();
    if (mapped == nullptr || !SharedState(mapped).HasValidHeader()) {
        return std::nullopt;
    }
    return SharedState(mapped);
}

bool EcSimState::Initialise() {
    const std::vector<std::uint8_t> image = DefaultImage();
    if (const auto shared = Shared()) {
        // A state in use is replaced under its lock, which the new image must not release.
        const StateLock hold(*shared);
        constexpr std::size_t lockEnd = offsetof(Header, lock) + sizeof(Header::lock);
        return file.WriteAt(0, image.data(), offsetof(Header, lock)) &&
               file.WriteAt(lockEnd, image.data() + lockEnd, image.size() - lockEnd);
    }
    return file.WriteAt(0, image.data(), image.size()) &&
           (file.Size() == kFileSize || file.Truncate(kFileSize));
}

void EcSimState::PortWrite(std::uint16_t port, std::uint8_t value) {
    auto shared = Shared();
    if (!shared || !shared->DriverOpen()) {
        return;
    }
    const StateLock hold(*shared);
    WriteLocked(*shared, port, value);
}

std::uint16_t EcSimState::PortRead(std::uint16_t port) {
    auto shared = Shared();
    if (!shared || !shared->DriverOpen()) {
        return 0xFF;
    }
    const StateLock hold(*shared);
    const std::uint8_t value = ReadLocked(*shared, port);
    return static_cast<std::uint16_t>((shared->InpHighByte() << 8) | value);
}

bool EcSimState::PawnIoPortWrite(std::uint16_t port, std::uint8_t value) {
    auto shared = Shared();
    if (!shared) {
        return false;
    }
    const StateLock hold(*shared);
    if (TakeMarkedFailure(*shared)) {
        return false;
    }
    WriteLocked(*shared, port, value);
    return true;
}

std::optional<std::uint8_t> EcSimState::PawnIoPortRead(std::uint16_t port) {
    auto shared = Shared();
    if (!shared) {
        return std::nullopt;
    }
    const StateLock hold(*shared);
    if (TakeMarkedFailure(*shared)) {
        return std::nullopt;
    }
    return ReadLocked(*shared, port);
}

std::optional<bool> EcSimState::PawnIoElevated() const {
    const auto shared = Shared();
    if (!shared) {
        return std::nullopt;
    }
    return !shared->PawnIoNotElevated();
}

bool EcSimState::SetPawnIoElevated(bool elevated) {
    auto shared = Shared();
    if (!shared) {
        return false;
    }
    shared->SetPawnIoNotElevated(!elevated);
    return true;
}

std::optional<std::uint32_t> EcSimState::PawnIoFailOp() const {
    const auto shared = Shared();
    if (!shared) {
        return std::nullopt;
    }
    return shared->PawnIoFailCountdown();
}

bool EcSimState::SetPawnIoFailOp(std::uint32_t operations) {
    auto shared = Shared();
    if (!shared) {
        return false;
    }
    const StateLock hold(*shared);
    shared->SetPawnIoFailCountdown(operations);
    return true;
}

std::optional<std::uint32_t> EcSimState::IgnoredWrites() const {
    const auto shared = Shared();
    if (!shared) {
        return std::nullopt;
    }
    return shared->IgnoredWrites();
}

bool EcSimState::SetIgnoredWrites(std::uint32_t writes) {
    auto shared = Shared();
    if (!shared) {
        return false;
    }
    const StateLock hold(*shared);
    shared->SetIgnoredWrites(writes);
    return true;
}

bool EcSimState::DriverOpen() const {
    const auto shared = Shared();
    return shared && shared->DriverOpen();
}

std::optional<std::uint8_t> EcSimState::Peek(std::uint16_t address) const {
    const auto shared = Shared();
    if (!shared) {
        return std::nullopt;
    }
    return shared->Ram(address);
}

bool EcSimState::Poke(std::uint16_t address, std::uint8_t value) {
    auto shared = Shared();
    if (!shared) {
        return false;
    }
    shared->SetRam(address, value);
    return true;
}

bool EcSimState::SetDriverOpen(bool open) {
    auto shared = Shared();
    if (!shared) {
        return false;
    }
    shared->SetDriverOpen(open);
    return true;
}

bool EcSimState::SetInpHighByte(std::uint8_t value) {
    auto shared = Shared();
    if (!shared) {
        return false;
    }
    shared->SetInpHighByte(value);
    return true;
}

std::optional<std::int32_t> EcSimState::RegisterBase() const {
    const auto id1 = Peek(ec::kChipIdAddress1);
    const auto id2 = Peek(ec::kChipIdAddress2);
    if (!id1 || !id2) {
        return std::nullopt;
    }
    return ec::RegisterBaseForChip(*id1, *id2);
}

std::optional<std::vector<TraceEntry>> EcSimState::Trace() const {
    const auto shared = Shared();
    if (!shared) {
        return std::nullopt;
    }
    return ReadTrace(*shared);
}

bool EcSimState::ClearTrace() {
    auto shared = Shared();
    if (!shared) {
        return false;
    }
    const StateLock hold(*shared);
    shared->SetTraceCount(0);
    return true;
}

std::optional<StateFile> OpenOrCreateState(const std::filesystem::path& path) {
    bool created = false;
    auto file = StateFile::Open(path, StateFile::OpenMode::ExistingOnly);
    if (!file) {
        file = StateFile::Open(path, StateFile::OpenMode::CreateIfMissing);
        created = file.has_value();
    }
    if (created) {
        EcSimState(*file).Initialise();
    }
    return file;
}

} // namespace ecsim
