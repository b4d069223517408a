#pragma once

#include <cstdint>

// The Super-I/O indirect EC-memory access: configuration register 0x2E selects a sub-register,
// 0x2F carries its data; sub-registers 0x11/0x10 hold the EC address (high, low) and 0x12 is the
// EC data byte at that address. Shared by everything that speaks or emulates the protocol.
namespace ec::sio {

inline constexpr std::uint16_t kIndexPort = 0x4E;
inline constexpr std::uint16_t kDataPort = kIndexPort + 1;

// Configuration registers, written to the index port.
inline constexpr std::uint8_t kSubRegisterSelect = 0x2E;
inline constexpr std::uint8_t kSubRegisterData = 0x2F;

// Indirect-access sub-registers, written to the data port after kSubRegisterSelect.
inline constexpr std::uint8_t kAddressLow = 0x10;
inline constexpr std::uint8_t kAddressHigh = 0x11;
inline constexpr std::uint8_t kDataByte = 0x12;

} // namespace ec::sio
