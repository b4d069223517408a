#pragma once

// glintctl's exit codes, as its help and man page document them.
namespace glintctl {

inline constexpr int kExitDone = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitNoPortAccess = 2;
inline constexpr int kExitChipNotRecognised = 3;
inline constexpr int kExitBusBusy = 4;
// The EC did not hold the mode when it was read back right after the write.
inline constexpr int kExitNotKept = 5;
// The Task Scheduler did not take `restore on` or `restore off`.
inline constexpr int kExitSchedulerFailed = 6;
// Interrupted (Ctrl+C, SIGTERM, SIGHUP) between two transactions, as a shell counts SIGINT.
inline constexpr int kExitInterrupted = 130;

} // namespace glintctl
