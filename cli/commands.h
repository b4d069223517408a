#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cli/options.h"
#include "ec/ec_port.h"
#include "led/led_mode.h"

namespace glintctl {

// Where a command reports: results to out (text or JSON), failures to err (and, with --json,
// as a JSON object to out).
struct Console {
    std::ostream& out;
    std::ostream& err;
    bool json;

    // Reports the failure and returns its exit code.
    int Fail(int exitCode, const std::string& message) const;
};

// Runs status, mode, level or watch on a started port.
int RunStatus(EcPort& port, const Console& console);
int RunLevel(EcPort& port, const Console& console);
int RunWatch(EcPort& port, const Console& console);
// Records a mode that the EC holds, for resume; empty, or why it could not.
using KeepMode = std::function<std::string(LedMode)>;
// Writes nothing to a chip that is not an IT557x unless forced. keep runs while the bus is still
// held after the EC took the mode.
int RunMode(EcPort& port, LedMode mode, bool force, const Console& console, const KeepMode& keep);
// mode with the kept mode, written again for a few seconds while the EC does not hold it.
int RunResume(EcPort& port, LedMode mode, bool force, const Console& console);
// The mode the EC's mode register holds; empty when it holds none or the bus stayed busy.
std::optional<LedMode> ReadLedMode(EcPort& port);

// The commands as the command line runs them, on the back end and state folder its options
// choose (cli/glintctl.cpp); each returns the exit code.
int StatusCommand(const Options& options, const Console& console);
int ModeCommand(const Options& options, const Console& console);
int LevelCommand(const Options& options, const Console& console);
int WatchCommand(const Options& options, const Console& console);
int ResumeCommand(const Options& options, const Console& console);
int RestoreCommand(const Options& options, const Console& console);

} // namespace glintctl
