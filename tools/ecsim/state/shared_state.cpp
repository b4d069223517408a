#include "tools/ecsim/state/shared_state.h"

#include <cstring>

namespace ecsim {

bool SharedState::HasValidHeader() const {
    std::uint32_t magic[2];
    static_assert(sizeof(magic) == sizeof(kMagic));
    std::memcpy(magic, kMagic, sizeof(kMagic));
    return Load<std::uint32_t>(offsetof(Header, magic)) == magic[0] &&
           Load<std::uint32_t>(offsetof(Header, magic) + 4) == magic[1] &&
           Load<std::uint32_t>(offsetof(Header, version)) == kVersion &&
           Load<std::uint32_t>(offsetof(Header, fileSize)) == kFileSize &&
           Load<std::uint32_t>(offsetof(Header, traceCapacity)) == kTraceCapacity;
}

ec::sio::Registers SharedState::Sio() const {
    return {Load<std::uint8_t>(offsetof(Header, sioIndex)),
            Load<std::uint8_t>(offsetof(Header, sioSubRegister)),
            Load<std::uint8_t>(offsetof(Header, addressLow)),
            Load<std::uint8_t>(offsetof(Header, addressHigh))};
}

void SharedState::SetSio(const ec::sio::Registers& registers) {
    Store(offsetof(Header, sioIndex), registers.index);
    Store(offsetof(Header, sioSubRegister), registers.subRegister);
    Store(offsetof(Header, addressLow), registers.addressLow);
    Store(offsetof(Header, addressHigh), registers.addressHigh);
}

TraceEntry SharedState::TraceSlot(std::uint32_t slot) const {
    const std::size_t at = kTraceOffset + slot * sizeof(TraceEntry);
    return {Load<std::uint64_t>(at + offsetof(TraceEntry, timeNs)),
            Load<std::uint32_t>(at + offsetof(TraceEntry, pid)),
            Load<std::uint16_t>(at + offsetof(TraceEntry, port)),
            Load<std::uint8_t>(at + offsetof(TraceEntry, value)),
            static_cast<PortAccess>(Load<std::uint8_t>(at + offsetof(TraceEntry, access)))};
}

void SharedState::SetTraceSlot(std::uint32_t slot, const TraceEntry& entry) {
    const std::size_t at = kTraceOffset + slot * sizeof(TraceEntry);
    Store(at + offsetof(TraceEntry, timeNs), entry.timeNs);
    Store(at + offsetof(TraceEntry, pid), entry.pid);
    Store(at + offsetof(TraceEntry, port), entry.port);
    Store(at + offsetof(TraceEntry, value), entry.value);
    Store(at + offsetof(TraceEntry, access), static_cast<std::uint8_t>(entry.access));
}

} // namespace ecsim
