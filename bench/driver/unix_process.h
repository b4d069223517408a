#pragma once
#include <cstdint>
#include <optional>
#include <string>

// CPU time and memory of the Unix processes behind Wine's, read from /proc through Wine's Z:
// drive. The scheduler's per-task counters have nanosecond precision where the Windows process
// times move in 10 ms ticks; and Wine reports no private memory of another process at all.

// The Unix process whose command line starts with the Windows path exe (Wine shows a
// program's command line there), if exactly one does.
std::optional<int> FindUnixProcess(const std::string& exe);

// The wineserver of the given prefix.
std::optional<int> FindWineserver(const std::string& prefix);

// What the live tasks of the process have had of the CPUs.
struct UnixCpuUse {
    double ms = 0;         // time on a CPU
    double timeslices = 0; // times put on a CPU: for a program that sleeps, its wake-ups
};
std::optional<UnixCpuUse> UnixCpu(int pid);

// Time on a CPU of the calling thread, or nothing when /proc cannot be read.
std::optional<double> CurrentThreadCpuMs();

// The process's private memory: resident anonymous pages plus swapped-out ones; 0 when
// unreadable.
std::uint64_t UnixPrivateBytes(int pid);
