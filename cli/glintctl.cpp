#include "cli/glintctl.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/back_end.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/help_text.h"
#include "cli/mode_store.h"
#include "cli/restore.h"
#include "cli/stop_signal.h"
#include "led/led_mode_names.h"

namespace glintctl {

namespace {

// Where `mode` keeps the mode for `resume`: --state-dir, else $GLINT_STATE_DIR, else beside the
// simulated EC's state file, else the platform's own folder (/var/lib/glint, on Windows
// %ProgramData%\Glint). A mode set on the simulated EC must never be what the boot unit writes
// into the real one.
std::filesystem::path StateFolder(const Options& options) {
    if (options.stateDir) {
        return *options.stateDir;
    }
    const char* fromEnvironment = TrustedEnvironment("GLINT_STATE_DIR");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    if (options.simState) {
        return *options.simState + ".glint";
    }
    return DefaultKeptFolder();
}

// The kept mode that resume writes; empty when there is nothing to write (result says how the
// command ends then).
std::optional<LedMode> KeptModeToWrite(const Options& options, const Console& console,
                                       int& result) {
    result = kExitDone;
    const ModeStore::Loaded loaded = ModeStore(StateFolder(options)).Load();
    if (!loaded.error.empty()) {
        result = console.Fail(kExitUsage, loaded.error + "; nothing was written");
    } else if (!loaded.mode) {
        console.err << "glintctl: no mode was set yet; nothing to write\n";
        if (console.json) {
            console.out << "{\"mode\":null}\n";
        }
    }
    return loaded.mode;
}

// The EC's port on the back end the options choose; null, with exitCode set and reported, when
// it cannot be had.
std::unique_ptr<EcPort> OpenPort(const Options& options, const Console& console, int& exitCode) {
    BackEnd backEnd = options.simState ? OpenSimBackEnd(*options.simState) : OpenHardwareBackEnd();
    if (!backEnd.failure.empty()) {
        exitCode = console.Fail(kExitNoPortAccess, backEnd.failure);
        return nullptr;
    }
    // Nothing is written until a command that writes has checked the chip. There is no window to
    // keep alive: a bus that another tool keeps through the start-up wait ends the command, with
    // nothing read without it.
    auto port =
        std::make_unique<EcPort>(std::move(backEnd.ways), std::move(backEnd.busLock),
                                 EcPort::StartupByte::Deferred, EcPort::BusAtStart::Required);
    if (port->BusBusyAtStart()) {
        exitCode = StopRequested()
                       ? console.Fail(kExitInterrupted, "interrupted; nothing was read or written")
                       : console.Fail(kExitBusBusy, "the EC bus stayed busy (another tool holds "
                                                    "it); nothing was read or written");
        return nullptr;
    }
    if (!port->ready) {
        exitCode = console.Fail(kExitNoPortAccess, DescribeStartFailure(port->FailedWays()));
        return nullptr;
    }
    return port;
}

// Runs what on the port the options choose, once it is open.
template <typename OnPort>
int WithPort(const Options& options, const Console& console, OnPort what) {
    int result = kExitDone;
    const std::unique_ptr<EcPort> port = OpenPort(options, console, result);
    return port ? what(*port) : result;
}

// Once restoring is on, a mode must be kept for it to write back (and for the window to record
// its clicks into): when none is, the one the EC holds now.
void KeepTheEcsModeIfNoneIsKept(const Options& options, const Console& console) {
    const ModeStore store(StateFolder(options));
    if (store.Load().mode) {
        return;
    }
    const Console quiet{console.out, console.err, false};
    int ignored = kExitDone;
    const std::unique_ptr<EcPort> port = OpenPort(options, quiet, ignored);
    const std::optional<LedMode> mode =
        port && port->ChipRecognised() ? ReadLedMode(*port) : std::nullopt;
    const std::string failure = mode ? store.Save(*mode) : std::string("no mode read from the EC");
    if (!failure.empty()) {
        console.err << "glintctl: no mode is kept yet (" << failure
                    << "): set one with `glintctl mode NAME`\n";
    }
}

} // namespace

int StatusCommand(const Options& options, const Console& console) {
    return WithPort(options, console, [&](EcPort& port) { return RunStatus(port, console); });
}

int LevelCommand(const Options& options, const Console& console) {
    return WithPort(options, console, [&](EcPort& port) { return RunLevel(port, console); });
}

int WatchCommand(const Options& options, const Console& console) {
    return WithPort(options, console, [&](EcPort& port) { return RunWatch(port, console); });
}

int ModeCommand(const Options& options, const Console& console) {
    // The parsing took only a mode's name.
    const LedMode mode = ModeFromName(options.operands.front()).value_or(LedMode::Auto);
    const ModeStore store(StateFolder(options));
    return WithPort(options, console, [&](EcPort& port) {
        return RunMode(port, mode, options.force, console,
                       [&](LedMode taken) { return store.Save(taken); });
    });
}

int ResumeCommand(const Options& options, const Console& console) {
    int result = kExitDone;
    const std::optional<LedMode> mode = KeptModeToWrite(options, console, result);
    if (!mode) {
        return result;
    }
    return WithPort(options, console,
                    [&](EcPort& port) { return RunResume(port, *mode, options.force, console); });
}

int RestoreCommand(const Options& options, const Console& console) {
    const std::string& action = options.operands.front();
    if (action == "definition") {
        return PrintRestoreDefinition(console);
    }
    if (action == "status") {
        return ReportRestore(StateFolder(options), console);
    }
    if (action == "off") {
        return TurnRestoreOff(StateFolder(options), console);
    }
    const int result = TurnRestoreOn(console);
    if (result == kExitDone) {
        KeepTheEcsModeIfNoneIsKept(options, console);
    }
    return result;
}

int RunGlintctl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions parsed = ParseOptions(args);
    const Options& options = parsed.options;
    const Console console{out, err, options.json};
    if (!parsed.error.empty()) {
        const int code = console.Fail(kExitUsage, parsed.error);
        err << "Try 'glintctl --help'.\n";
        return code;
    }
    if (options.help) {
        out << HelpText(options.command);
        return kExitDone;
    }
    // A user who may run a privileged glintctl must not choose the files it writes or the EC it
    // speaks to.
    if (PrivilegedByItsFile() && (options.simState || options.stateDir)) {
        return console.Fail(kExitUsage, "--sim and --state-dir are refused where glintctl has "
                                        "privileges of its file (setuid or file capabilities)");
    }
    return FindCommand(options.command)->run(options, console);
}

} // namespace glintctl
