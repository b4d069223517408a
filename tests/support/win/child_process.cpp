#include "tests/support/win/child_process.h"

#include <cstdio>
#include <utility>

namespace wintest {

ChildProcess::ChildProcess(const ProcessStart& start) {
    std::wstring commandLine = L"\"" + start.program.wstring() + L"\"";
    if (!start.arguments.empty()) {
        commandLine += L" " + start.arguments;
    }
    std::wstring environment = start.environment;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (start.output != nullptr) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = start.output;
        startup.hStdError = start.output;
    }
    for (int attempt = 0; attempt < start.attempts; ++attempt) {
        if (attempt > 0) {
            ::Sleep(200);
        }
        PROCESS_INFORMATION info{};
        if (::CreateProcessW(start.program.c_str(), commandLine.data(), nullptr, nullptr,
                             start.output != nullptr ? TRUE : FALSE,
                             environment.empty() ? 0 : CREATE_UNICODE_ENVIRONMENT,
                             environment.empty() ? nullptr : environment.data(),
                             start.workingFolder.empty() ? nullptr : start.workingFolder.c_str(),
                             &startup, &info)) {
            ::CloseHandle(info.hThread);
            process_.Reset(info.hProcess);
            id_ = info.dwProcessId;
            startError_ = 0;
            return;
        }
        startError_ = ::GetLastError();
    }
    std::fprintf(stderr, "could not start %ls: error %lu\n", start.program.c_str(), startError_);
}

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::wstring& arguments,
                           const std::filesystem::path& workingFolder)
    : ChildProcess(ProcessStart(program, arguments, workingFolder)) {}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(std::move(other.process_)), id_(std::exchange(other.id_, 0)),
      startError_(other.startError_) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        Terminate();
        process_ = std::move(other.process_);
        id_ = std::exchange(other.id_, 0);
        startError_ = other.startError_;
    }
    return *this;
}

ChildProcess::~ChildProcess() {
    Terminate();
}

bool ChildProcess::IsRunning() const {
    return process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    DWORD code = 0;
    if (!process_ ||
        ::WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) !=
            WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(process_.Get(), &code)) {
        return std::nullopt;
    }
    return code;
}

void ChildProcess::Terminate(std::chrono::milliseconds wait) {
    if (IsRunning()) {
        ::TerminateProcess(process_.Get(), 1);
        ::WaitForSingleObject(process_.Get(), static_cast<DWORD>(wait.count()));
    }
}

} // namespace wintest
