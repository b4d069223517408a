#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "tests/support/win/child_process.h"

// The folder of a file path, without the trailing separator.
std::string FolderOf(const std::string& path);

// A program started by the driver; it is ended with the object unless it has ended by itself.
class ChildProcess {
public:
    // Starts exe in its own folder with the driver's environment.
    static std::optional<ChildProcess> Start(const std::string& exe);

    DWORD Id() const { return process_.Id(); }
    // When CreateProcess was called, on the driver's clock.
    double StartedAtMs() const { return startedAtMs_; }
    bool IsRunning() const { return process_.IsRunning(); }
    // STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    // User plus kernel time the process has used so far; at nanosecond precision from /proc
    // when its Unix process is found (the program runs from a folder of its own).
    double CpuMs() const;
    bool HasPreciseCpuTime() const { return UnixPid().has_value(); }
    // How often the process has been put on a CPU, where /proc tells it.
    std::optional<double> Timeslices() const;
    // PrivateUsage of the process's memory counters, from /proc when Wine gives none.
    std::uint64_t PrivateBytes() const;
    void Terminate();

private:
    ChildProcess(wintest::ChildProcess process, double startedAtMs, std::string exe)
        : process_(std::move(process)), startedAtMs_(startedAtMs), exe_(std::move(exe)) {}
    std::optional<int> UnixPid() const;

    wintest::ChildProcess process_;
    double startedAtMs_ = 0;
    std::string exe_;
    mutable std::optional<int> unixPid_;
};
