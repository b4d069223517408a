#pragma once

// Control ids of glint.exe's main window and power-level popup that the driver clicks or looks
// for.
namespace glint_ids {

inline constexpr int kModeButtons[] = {1010, 1000, 1001, 1003, 1004}; // Auto On RainBow Breath Loop
inline constexpr int kModeCodes[] = {0, 1, 2, 3, 4};
inline constexpr int kVisibleButtons[] = {1010, 1000, 1001, 1003, 1004, 1005, 1006};
inline constexpr int kExitButton = 1005; // the baseline program has it too
inline constexpr int kMinButton = 1006;
inline constexpr int kTestLevelButton = 1002;
inline constexpr int kPopupLevelText = 1008;

} // namespace glint_ids
