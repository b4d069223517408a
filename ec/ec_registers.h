#pragma once

#include <cstdint>

// EC memory addresses and register offsets of the notebook firmware.
namespace ec {

inline constexpr std::uint16_t kChipIdAddress1 = 0x2000;
inline constexpr std::uint16_t kChipIdAddress2 = 0x2001;
inline constexpr std::uint16_t kStartupByteAddress = 0x1060;

inline constexpr std::int32_t kRecognisedRegisterBase = 0xC400;
inline constexpr std::int32_t kOtherRegisterBase = 0x400;

// Offsets added to the register base.
inline constexpr std::int32_t kControlByteOffset = 0x22;
inline constexpr std::int32_t kModeRegisterOffset = 0xFC;
inline constexpr std::int32_t kPowerLevelOffset = 0xFD;

// ITE IT557x-family ECs identify as 0x55 followed by 0x70 or 0x71.
constexpr bool IsRecognisedChip(std::uint8_t id1, std::uint8_t id2) {
    return id1 == 0x55 && (id2 == 0x70 || id2 == 0x71);
}

constexpr std::int32_t RegisterBaseForChip(std::uint8_t id1, std::uint8_t id2) {
    return IsRecognisedChip(id1, id2) ? kRecognisedRegisterBase : kOtherRegisterBase;
}

} // namespace ec
