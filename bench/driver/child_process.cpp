#include "child_process.h"

#include "clock.h"
#include "unix_process.h"

#include <psapi.h>

namespace {

double FileTimeMs(const FILETIME& time) {
    const ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
    return static_cast<double>(value.QuadPart) / 10000.0;
}

} // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::optional<ChildProcess> ChildProcess::Start(const std::string& exe) {
    wintest::ProcessStart start(exe, L"", FolderOf(exe));
    start.attempts = 1; // a retried start would not be timed from its own beginning
    const double startedAt = NowMs();
    wintest::ChildProcess process(start);
    if (!process.Started()) {
        return std::nullopt;
    }
    return ChildProcess(std::move(process), startedAt, exe);
}

DWORD ChildProcess::ExitCode() const {
    return process_.WaitForExit(std::chrono::milliseconds(0)).value_or(STILL_ACTIVE);
}

std::optional<int> ChildProcess::UnixPid() const {
    if (!unixPid_ && IsRunning()) {
        unixPid_ = FindUnixProcess(exe_);
    }
    return unixPid_;
}

double ChildProcess::CpuMs() const {
    if (const auto pid = UnixPid()) {
        if (const auto use = UnixCpu(*pid)) {
            return use->ms;
        }
    }
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process_.Handle(), &created, &exited, &kernel, &user)) {
        return -1;
    }
    return FileTimeMs(kernel) + FileTimeMs(user);
}

std::optional<double> ChildProcess::Timeslices() const {
    const auto pid = UnixPid();
    const auto use = pid ? UnixCpu(*pid) : std::nullopt;
    return use ? std::optional(use->timeslices) : std::nullopt;
}

std::uint64_t ChildProcess::PrivateBytes() const {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(process_.Handle(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof(counters)) &&
        counters.PrivateUsage != 0) {
        return counters.PrivateUsage;
    }
    const auto pid = UnixPid();
    return pid ? UnixPrivateBytes(*pid) : 0;
}

void ChildProcess::Terminate() {
    process_.Terminate(std::chrono::seconds(5));
}
