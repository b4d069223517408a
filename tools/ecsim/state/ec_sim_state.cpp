#include "tools/ecsim/state/ec_sim_state.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "ec/ec_registers.h"

namespace ecsim {

namespace {

template <typename Field> bool WriteField(StateFile& file, std::size_t offset, Field value) {
    return file.WriteAt(offset, &value, sizeof(value));
}

SioRegisters SioOf(const Header& header) {
    return {header.sioIndex, header.sioSubRegister, header.addressLow, header.addressHigh};
}

} // namespace

std::optional<Header> EcSimState::ReadHeader() const {
    Header header{};
    const auto size = file.Size();
    if (!size || *size != kFileSize || !file.ReadAt(0, &header, sizeof(header))) {
        return std::nullopt;
    }
    if (std::memcmp(header.magic, kMagic, sizeof(kMagic)) != 0 || header.version != kVersion ||
        header.fileSize != kFileSize || header.traceCapacity != kTraceCapacity) {
        return std::nullopt;
    }
    return header;
}

bool EcSimState::Initialise() {
    std::vector<std::uint8_t> image(kFileSize, 0);
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof(kMagic));
    header.version = kVersion;
    header.fileSize = static_cast<std::uint32_t>(kFileSize);
    header.driverOpen = 1;
    header.traceCapacity = kTraceCapacity;
    std::memcpy(image.data(), &header, sizeof(header));

    std::uint8_t* ram = image.data() + kRamOffset;
    ram[ec::kChipIdAddress1] = kDefaultChipId1;
    ram[ec::kChipIdAddress2] = kDefaultChipId2;
    ram[ec::RegisterBaseForChip(kDefaultChipId1, kDefaultChipId2) + ec::kPowerLevelOffset] =
        kDefaultPowerLevel;

    return file.WriteAt(0, image.data(), image.size()) && file.Truncate(kFileSize);
}

bool EcSimState::StoreSio(const SioRegisters& registers) {
    const std::uint8_t bytes[4] = {registers.index, registers.subRegister, registers.addressLow,
                                   registers.addressHigh};
    static_assert(offsetof(Header, addressHigh) == offsetof(Header, sioIndex) + 3);
    return file.WriteAt(offsetof(Header, sioIndex), bytes, sizeof(bytes));
}

void EcSimState::AppendTrace(const Header& header, std::uint16_t port, std::uint8_t value,
                             PortAccess access) {
    const TraceEntry entry{NowNs(), CurrentProcessId(), port, value, access};
    const std::uint32_t slot = header.traceCount % kTraceCapacity;
    if (file.WriteAt(kTraceOffset + slot * sizeof(TraceEntry), &entry, sizeof(entry))) {
        WriteField(file, offsetof(Header, traceCount), header.traceCount + 1);
    }
}

void EcSimState::PortWrite(std::uint16_t port, std::uint8_t value) {
    const auto header = ReadHeader();
    if (!header || header->driverOpen == 0) {
        return;
    }
    SioRegisters registers = SioOf(*header);
    if (const auto ramAddress = ApplyPortWrite(registers, port, value)) {
        file.WriteAt(kRamOffset + *ramAddress, &value, 1);
    }
    StoreSio(registers);
    AppendTrace(*header, port, value, PortAccess::Write);
}

std::uint16_t EcSimState::PortRead(std::uint16_t port) {
    const auto header = ReadHeader();
    if (!header || header->driverOpen == 0) {
        return 0xFF;
    }
    const PortReadResult source = ResolvePortRead(SioOf(*header), port);
    std::uint8_t value = source.registerValue;
    if (source.ramAddress && !file.ReadAt(kRamOffset + *source.ramAddress, &value, 1)) {
        value = 0xFF;
    }
    AppendTrace(*header, port, value, PortAccess::Read);
    return static_cast<std::uint16_t>((header->inpHighByte << 8) | value);
}

bool EcSimState::DriverOpen() const {
    const auto header = ReadHeader();
    return header && header->driverOpen != 0;
}

std::optional<std::uint8_t> EcSimState::Peek(std::uint16_t address) const {
    std::uint8_t value = 0;
    if (!IsValid() || !file.ReadAt(kRamOffset + address, &value, 1)) {
        return std::nullopt;
    }
    return value;
}

bool EcSimState::Poke(std::uint16_t address, std::uint8_t value) {
    return IsValid() && file.WriteAt(kRamOffset + address, &value, 1);
}

bool EcSimState::SetDriverOpen(bool open) {
    return IsValid() &&
           WriteField(file, offsetof(Header, driverOpen), static_cast<std::uint8_t>(open ? 1 : 0));
}

bool EcSimState::SetInpHighByte(std::uint8_t value) {
    return IsValid() && WriteField(file, offsetof(Header, inpHighByte), value);
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
    const auto header = ReadHeader();
    if (!header) {
        return std::nullopt;
    }
    std::vector<TraceEntry> ring(kTraceCapacity);
    if (!file.ReadAt(kTraceOffset, ring.data(), ring.size() * sizeof(TraceEntry))) {
        return std::nullopt;
    }
    const std::uint32_t count = std::min(header->traceCount, kTraceCapacity);
    std::vector<TraceEntry> entries;
    entries.reserve(count);
    for (std::uint32_t n = header->traceCount - count; n != header->traceCount; ++n) {
        entries.push_back(ring[n % kTraceCapacity]);
    }
    return entries;
}

bool EcSimState::ClearTrace() {
    return IsValid() && WriteField(file, offsetof(Header, traceCount), std::uint32_t{0});
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
