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

std::optional<LedModeReadBack> WriteLedMode(EcMemory& ec, LedMode mode) {
    const std::int32_t base = ec.RegisterBase();
    const auto modeRegister = static_cast<std::uint16_t>(base + ec::kModeRegisterOffset);
    const auto controlByte = static_cast<std::uint16_t>(base + ec::kControlByteOffset);
    LedModeReadBack readBack;
    const bool ran = ec.Transaction([&](EcBytes& bytes) {
        WriteModeBytes(bytes, base, mode);
        readBack.modeRegister = bytes.ReadByte(modeRegister);
        readBack.controlByte = bytes.ReadByte(controlByte);
    });
    if (!ran) {
        return std::nullopt;
    }
    return readBack;
}
