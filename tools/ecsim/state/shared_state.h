#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "ec/super_io_decoder.h"
#include "tools/ecsim/state/state_format.h"

namespace ecsim {

// The mapped state as the processes sharing it read and change it. Every field is read and
// written in one atomic access, so that no process sees half of another's store; what must
// stay consistent across fields (the Super-I/O registers, the trace ring and its count) is
// changed only under the StateLock.
class SharedState {
public:
    explicit SharedState(std::uint8_t* mapped) : base(mapped) {}

    // Magic, version, size and trace capacity are those of this build.
    bool HasValidHeader() const;

    bool DriverOpen() const { return Load<std::uint8_t>(offsetof(Header, driverOpen)) != 0; }
    void SetDriverOpen(bool open) {
        Store<std::uint8_t>(offsetof(Header, driverOpen), open ? 1 : 0);
    }
    std::uint8_t InpHighByte() const { return Load<std::uint8_t>(offsetof(Header, inpHighByte)); }
    void SetInpHighByte(std::uint8_t value) {
        Store<std::uint8_t>(offsetof(Header, inpHighByte), value);
    }

    bool PawnIoNotElevated() const {
        return Load<std::uint8_t>(offsetof(Header, pawnioNotElevated)) != 0;
    }
    void SetPawnIoNotElevated(bool notElevated) {
        Store<std::uint8_t>(offsetof(Header, pawnioNotElevated), notElevated ? 1 : 0);
    }
    // Changed under the StateLock only.
    std::uint32_t PawnIoFailCountdown() const {
        return Load<std::uint32_t>(offsetof(Header, pawnioFailCountdown));
    }
    void SetPawnIoFailCountdown(std::uint32_t count) {
        Store<std::uint32_t>(offsetof(Header, pawnioFailCountdown), count);
    }

    // Changed under the StateLock only.
    std::uint32_t IgnoredWrites() const {
        return Load<std::uint32_t>(offsetof(Header, ignoredWrites));
    }
    void SetIgnoredWrites(std::uint32_t count) {
        Store<std::uint32_t>(offsetof(Header, ignoredWrites), count);
    }

    std::uint8_t Ram(std::uint16_t address) const {
        return Load<std::uint8_t>(kRamOffset + address);
    }
    void SetRam(std::uint16_t address, std::uint8_t value) {
        Store<std::uint8_t>(kRamOffset + address, value);
    }

    // Changed under the StateLock only.
    ec::sio::Registers Sio() const;
    void SetSio(const ec::sio::Registers& registers);

    // Changed under the StateLock only; read without it as well (see ReadTrace). The count is
    // stored after the entry it counts, with release order, so that a reader that sees the
    // count sees the entry whole.
    std::uint32_t TraceCount() const {
        return Field<std::uint32_t>(offsetof(Header, traceCount)).load(std::memory_order_acquire);
    }
    void SetTraceCount(std::uint32_t count) {
        Field<std::uint32_t>(offsetof(Header, traceCount)).store(count, std::memory_order_release);
    }
    TraceEntry TraceSlot(std::uint32_t slot) const;
    void SetTraceSlot(std::uint32_t slot, const TraceEntry& entry);

    std::atomic_ref<std::uint32_t> LockWord() const {
        return Field<std::uint32_t>(offsetof(Header, lock));
    }

private:
    template <typename T> std::atomic_ref<T> Field(std::size_t offset) const {
        // A lock-free atomic works on memory shared between processes; one built on a lock
        // private to this process would not.
        static_assert(std::atomic_ref<T>::is_always_lock_free);
        return std::atomic_ref<T>(*reinterpret_cast<T*>(base + offset));
    }
    template <typename T> T Load(std::size_t offset) const {
        return Field<T>(offset).load(std::memory_order_relaxed);
    }
    template <typename T> void Store(std::size_t offset, T value) {
        Field<T>(offset).store(value, std::memory_order_relaxed);
    }

    std::uint8_t* base;
};

} // namespace ecsim
