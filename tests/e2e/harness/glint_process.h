#pragma once
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ec_sim.h"
#include "paths.h"
#include "tests/support/win/child_process.h"
#include "wait.h"

namespace e2e {

struct LaunchOptions {
    // glint.exe as built, unless a test runs a copy of its own.
    std::filesystem::path program = BuiltProgram();
    // The power-level register at start. 0 is no level, so no popup comes up over the main
    // window unless a test sets a level.
    std::uint8_t powerLevel = 0;
    // Appended to the command line (which the program ignores).
    std::wstring arguments;
    // Changes to the fresh simulated EC before the program starts (chip id, driver, registers).
    std::function<void(EcSim&)> prepareEc;
};

// One run of glint.exe under Wine against a fresh simulated EC of its own (ECSIM_STATE).
// The destructor ends the program if it still runs, whatever the test's outcome.
class GlintProcess {
public:
    explicit GlintProcess(const LaunchOptions& options = {});
    ~GlintProcess();
    GlintProcess(const GlintProcess&) = delete;
    GlintProcess& operator=(const GlintProcess&) = delete;

    // False when the program or its simulated EC could not be set up; the reason is in Error().
    bool Started() const { return child.Started() && ec != nullptr; }
    const std::string& Error() const { return error; }
    DWORD Pid() const { return child.Id(); }
    EcSim& Ec() { return *ec; }
    // ecsim clock just before the program was started.
    std::uint64_t StartTimeNs() const { return startTimeNs; }

    bool IsRunning() const { return child.IsRunning(); }
    // The exit code once the program has ended within the timeout.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = kUiTimeout) const {
        return child.WaitForExit(timeout);
    }
    void Terminate() { child.Terminate(); }

    // The program's top-level windows (dialogs, message boxes, menus), in z-order.
    std::vector<HWND> TopLevelWindows() const;
    HWND FindWindowWhere(const std::function<bool(HWND)>& predicate) const;
    HWND WaitForWindow(const std::function<bool(HWND)>& predicate,
                       std::chrono::milliseconds timeout = kUiTimeout) const;
    // The main window once it is initialised and shown (its text begins "Glint_Controls").
    HWND WaitForMainWindow(std::chrono::milliseconds timeout = kStartTimeout) const;

private:
    std::string error;
    std::filesystem::path stateFolder;
    std::unique_ptr<EcSim> ec;
    wintest::ChildProcess child;
    std::uint64_t startTimeNs = 0;
};

} // namespace e2e
