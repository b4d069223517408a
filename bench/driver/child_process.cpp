#include "child_process.h"

#include "clock.h"
#include "unix_process.h"

#include <psapi.h>

#include <utility>

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
    std::string commandLine = "\"" + exe + "\"";
    const std::string folder = FolderOf(exe);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const double startedAt = NowMs();
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        return std::nullopt;
    }
    CloseHandle(info.hThread);
    return ChildProcess(info.hProcess, info.dwProcessId, startedAt, exe);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(other.id_),
      startedAtMs_(other.startedAtMs_), exe_(std::move(other.exe_)), unixPid_(other.unixPid_) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        Terminate();
        if (process_ != nullptr) {
            CloseHandle(process_);
        }
        process_ = std::exchange(other.process_, nullptr);
        id_ = other.id_;
        startedAtMs_ = other.startedAtMs_;
        exe_ = std::move(other.exe_);
        unixPid_ = other.unixPid_;
    }
    return *this;
}

ChildProcess::~ChildProcess() {
    Terminate();
    if (process_ != nullptr) {
        CloseHandle(process_);
    }
}

bool ChildProcess::IsRunning() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
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
    if (!GetProcessTimes(process_, &created, &exited, &kernel, &user)) {
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
    if (GetProcessMemoryInfo(process_, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof(counters)) &&
        counters.PrivateUsage != 0) {
        return counters.PrivateUsage;
    }
    const auto pid = UnixPid();
    return pid ? UnixPrivateBytes(*pid) : 0;
}

void ChildProcess::Terminate() {
    if (IsRunning()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
}
