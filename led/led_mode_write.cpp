#include "led/led_mode_write.h"

#include <cstdint>

#include "ec/ec_registers.h"

int ControlByteForMode(LedMode mode, int controlRead) {
    return mode == LedMode::On ? (controlRead & 0xFE) : (controlRead | 0x01);
}

void WriteModeBytes(EcBytes& bytes, std::int32_t registerBase, LedMode mode) {
    const auto modeRegister = static_cast<std::uint16_t>(registerBase + ec::kModeRegisterOffset);
    const auto controlByte = static_cast<std::uint16_t>(registerBase + ec::kControlByteOffset);
    bytes.WriteByte(modeRegister, static_cast<int>(mode));
    bytes.WriteByte(controlByte, ControlByteForMode(mode, bytes.ReadByte(controlByte)));
}

LedModeReadBack WriteModeBytesAndReadBack(EcBytes& bytes, std::int32_t registerBase, LedMode mode) {
    WriteModeBytes(bytes, registerBase, mode);
    return {bytes.ReadByte(static_cast<std::uint16_t>(registerBase + ec::kModeRegisterOffset)),
            bytes.ReadByte(static_cast<std::uint16_t>(registerBase + ec::kControlByteOffset))};
}

std::optional<LedModeReadBack> WriteLedMode(EcMemory& ec, LedMode mode) {
    const std::int32_t base = ec.RegisterBase();
    LedModeReadBack readBack;
    const bool ran = ec.Transaction(
        [&](EcBytes& bytes) { readBack = WriteModeBytesAndReadBack(bytes, base, mode); });
    if (!ran) {
        return std::nullopt;
    }
    return readBack;
}
