#pragma once
#include <optional>
#include <string>

// CPU time of the Unix processes behind Wine's, read from /proc through Wine's Z: drive. The
// scheduler's per-task counters have nanosecond precision; the Windows process times only
// move in 10 ms ticks, too coarse for a program that sleeps.

// The Unix process whose command line starts with the Windows path exe (Wine shows a
// program's command line there), if exactly one does.
std::optional<int> FindUnixProcess(const std::string& exe);

// The wineserver of the given prefix.
std::optional<int> FindWineserver(const std::string& prefix);

// Time on a CPU of all live tasks of the process, or a negative value when unreadable.
double UnixCpuMs(int pid);
