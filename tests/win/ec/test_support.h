#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/scratch_folder.h"
#include "tests/support/win/child_process.h"
#include "tests/support/win/folders.h"
#include "tools/ecsim/state/ec_sim_state.h"

using testsupport::ScratchFolder;
using wintest::ProgramFolder;

// Points this process, and the processes it starts, at a simulated EC state file, created
// with the default state; returns it opened.
ecsim::StateFile UseNewState(const std::filesystem::path& path);

// Starts a program and waits for it to end; the exit code, or nothing if it did not start or
// did not end within a minute. pathPrefix, when given, is put in front of PATH for the child.
std::optional<DWORD> RunProgram(const std::filesystem::path& program, const std::wstring& args,
                                const std::filesystem::path& workingFolder,
                                const std::filesystem::path& pathPrefix = {});

// RunProgram for a console program: its standard output and error (together) in output.
std::optional<DWORD> RunProgramCapturing(const std::filesystem::path& program,
                                         const std::wstring& args,
                                         const std::filesystem::path& workingFolder,
                                         std::string& output);

using wintest::ChildProcess;

// A named event, closed with its owner.
class NamedEvent {
public:
    explicit NamedEvent(const std::string& eventName);
    NamedEvent(const NamedEvent&) = delete;
    NamedEvent& operator=(const NamedEvent&) = delete;

    const std::string& Name() const { return name; }
    bool WaitSignalled(DWORD timeoutMs) const;
    void Signal() const;

private:
    std::string name;
    OwnedKernelHandle event;
};
