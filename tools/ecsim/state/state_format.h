#pragma once

#include <cstddef>
#include <cstdint>

// Layout of the simulated EC's state file, shared by the io.dll, the ecsim command and the
// tests. Little-endian, fixed size: header, 64 KiB of EC RAM, then the port trace ring.
namespace ecsim {

inline constexpr char kMagic[8] = {'G', 'L', 'E', 'C', 'S', 'I', 'M', '1'};
inline constexpr std::uint32_t kVersion = 1;
inline constexpr std::size_t kRamSize = 0x10000;
inline constexpr std::uint32_t kTraceCapacity = 16384;

struct Header {
    char magic[8];
    std::uint32_t version;
    std::uint32_t fileSize;
    std::uint8_t driverOpen;
    // The Super-I/O registers that the indirect access goes through.
    std::uint8_t sioIndex;
    std::uint8_t sioSubRegister;
    std::uint8_t addressLow;
    std::uint8_t addressHigh;
    // Put into the high byte of every Inp32 result, so that readers must drop it.
    std::uint8_t inpHighByte;
    // Non-zero while PawnIO's driver refuses to open, as for a process not run as administrator.
    // Zero in a file made before PawnIO was simulated, as in a new one: no version change.
    std::uint8_t pawnioNotElevated;
    std::uint8_t reserved1[1];
    // Entries appended since the trace was last cleared; entry n lives in slot n % capacity.
    std::uint32_t traceCount;
    std::uint32_t traceCapacity;
    // Non-zero while a process holds the state lock (see StateLock).
    std::uint32_t lock;
    // PawnIO port operations to go until the one that fails; 0 when none is to fail. Changed
    // under the StateLock only, as the operations count it down.
    std::uint32_t pawnioFailCountdown;
    // EC memory writes still to be ignored, as firmware right after wake-up may ignore them; 0
    // when none is. Changed under the StateLock only.
    std::uint32_t ignoredWrites;
    std::uint8_t reserved2[20];
};
static_assert(sizeof(Header) == 64);

enum class PortAccess : std::uint8_t { Write = 0, Read = 1 };

struct TraceEntry {
    // Wall-clock time, nanoseconds since 1970-01-01 UTC.
    std::uint64_t timeNs;
    std::uint32_t pid;
    std::uint16_t port;
    std::uint8_t value;
    PortAccess access;
};
static_assert(sizeof(TraceEntry) == 16);

inline constexpr std::uint64_t kRamOffset = sizeof(Header);
inline constexpr std::uint64_t kTraceOffset = kRamOffset + kRamSize;
inline constexpr std::uint64_t kFileSize = kTraceOffset + kTraceCapacity * sizeof(TraceEntry);

} // namespace ecsim
