#pragma once

#include <cstdint>
#include <optional>

// The performance level that the EC firmware reports.
enum class PowerLevel : std::int32_t {
    Level1 = 1,
    Level2 = 2,
    Level3 = 3,
};

// Any byte other than 1, 2 or 3 is not a level.
constexpr std::optional<PowerLevel> PowerLevelFromReading(int reading) {
    if (reading >= 1 && reading <= 3) {
        return static_cast<PowerLevel>(reading);
    }
    return std::nullopt;
}
