#pragma once

#include <cstdint>
#include <optional>

#include "ec/super_io.h"

// The chip's side of the indirect access: which EC byte a port access reaches. Shared by the
// simulated EC and the test fakes, so that they decode exactly what EcPort sends.
namespace ec::sio {

struct Registers {
    std::uint8_t index = 0;
    std::uint8_t subRegister = 0;
    std::uint8_t addressLow = 0;
    std::uint8_t addressHigh = 0;

    std::uint16_t Address() const {
        return static_cast<std::uint16_t>((addressHigh << 8) | addressLow);
    }
};

// Applies a port write; returns the EC address when the write stores the value into EC RAM.
std::optional<std::uint16_t> ApplyPortWrite(Registers& registers, std::uint16_t port,
                                            std::uint8_t value);

// What a read of the port yields: the EC RAM byte at the returned address, or a register.
struct PortReadResult {
    std::optional<std::uint16_t> ramAddress;
    std::uint8_t registerValue = 0xFF;
};
PortReadResult ResolvePortRead(const Registers& registers, std::uint16_t port);

} // namespace ec::sio
