#pragma once

#include <cstdint>
#include <optional>

// The Super-I/O indirect EC-memory access on ports 0x4E/0x4F: configuration register 0x2E
// selects a sub-register, 0x2F carries its data; sub-registers 0x10/0x11 hold the EC address
// and 0x12 is the EC data byte at that address.
namespace ecsim {

struct SioRegisters {
    std::uint8_t index = 0;
    std::uint8_t subRegister = 0;
    std::uint8_t addressLow = 0;
    std::uint8_t addressHigh = 0;

    std::uint16_t Address() const {
        return static_cast<std::uint16_t>((addressHigh << 8) | addressLow);
    }
};

// Applies a port write; returns the EC address when the write stores the value into EC RAM.
std::optional<std::uint16_t> ApplyPortWrite(SioRegisters& registers, std::uint16_t port,
                                            std::uint8_t value);

// What a read of the port yields: the EC RAM byte at the returned address, or a register.
struct PortReadResult {
    std::optional<std::uint16_t> ramAddress;
    std::uint8_t registerValue = 0xFF;
};
PortReadResult ResolvePortRead(const SioRegisters& registers, std::uint16_t port);

} // namespace ecsim
