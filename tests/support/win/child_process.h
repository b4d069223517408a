#pragma once
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "framework/owned_handle.h"

namespace wintest {

struct ProcessStart {
    explicit ProcessStart(std::filesystem::path programPath, std::wstring commandArguments = {},
                          std::filesystem::path folder = {})
        : program(std::move(programPath)), arguments(std::move(commandArguments)),
          workingFolder(std::move(folder)) {}

    std::filesystem::path program;
    // Put after the quoted program path on the command line.
    std::wstring arguments;
    // Empty: this process's current folder.
    std::filesystem::path workingFolder;
    // A block of NUL-ended "name=value" entries ended by another NUL; empty: this process's.
    std::wstring environment;
    // Given: inherited as the child's standard output and error.
    HANDLE output = nullptr;
    // Under Wine on a loaded machine a start is now and then refused before the program runs at
    // all; a few tries keep that from reading as the program's doing. One where the time of the
    // start matters.
    int attempts = 5;
};

// A started process, ended (if it still runs) and closed when its owner ends. Move-only.
class ChildProcess {
public:
    ChildProcess() = default;
    explicit ChildProcess(const ProcessStart& start);
    ChildProcess(const std::filesystem::path& program, const std::wstring& arguments,
                 const std::filesystem::path& workingFolder = {});
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    bool Started() const { return static_cast<bool>(process_); }
    // The system's error code of the last refused start.
    DWORD StartError() const { return startError_; }
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.Get(); }
    bool IsRunning() const;
    // The exit code once the process has ended within the timeout; nothing if it never started,
    // still runs or its code cannot be read.
    std::optional<DWORD>
    WaitForExit(std::chrono::milliseconds timeout = std::chrono::minutes(1)) const;
    // Ends the process if it still runs and waits at most `wait` for it to be gone.
    void Terminate(std::chrono::milliseconds wait = std::chrono::seconds(10));

private:
    OwnedKernelHandle process_;
    DWORD id_ = 0;
    DWORD startError_ = 0;
};

} // namespace wintest
