#include "cli/glintctl.h"

#include <cstdlib>
#include <optional>

#include "cli/back_end.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/help_text.h"
#include "cli/mode_names.h"
#include "cli/mode_store.h"

namespace glintctl {

namespace {

// Where `mode` keeps the mode for `resume`: --state-dir, else $GLINT_STATE_DIR, else beside the
// simulated EC's state file, else (Linux) /var/lib/glint. A mode set on the simulated EC must
// never be what the boot unit writes into the real one. Empty where there is none (Windows).
std::string StateFolder(const Options& options) {
    if (options.stateDir) {
        return *options.stateDir;
    }
    const char* fromEnvironment = std::getenv("GLINT_STATE_DIR");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    if (options.simState) {
        return *options.simState + ".glint";
    }
#ifdef _WIN32
    return {};
#else
    return "/var/lib/glint";
#endif
}

// The mode a mode or resume command writes; empty when there is nothing to write (result says
// how the command ends then).
std::optional<LedMode> ModeToWrite(const Options& options, const Console& console, int& result) {
    result = kExitDone;
    if (options.command == "mode") {
        std::optional<LedMode> mode = ModeFromName(options.operands.front());
        if (!mode) {
            result = console.Fail(kExitUsage, "unknown mode: " + options.operands.front() +
                                                  " (auto, on, rainbow, breath, colorloop)");
        }
        return mode;
    }
    const std::string folder = StateFolder(options);
    if (folder.empty()) {
        result = console.Fail(kExitUsage, "resume needs --state-dir or GLINT_STATE_DIR here");
        return std::nullopt;
    }
    const ModeStore::Loaded loaded = ModeStore(folder).Load();
    if (!loaded.error.empty()) {
        result = console.Fail(kExitUsage, loaded.error);
    } else if (!loaded.mode) {
        console.err << "glintctl: no mode was set yet; nothing to write\n";
        if (console.json) {
            console.out << "{\"mode\":null}\n";
        }
    }
    return loaded.mode;
}

void KeepMode(const Options& options, LedMode mode, const Console& console) {
    const std::string folder = StateFolder(options);
    if (folder.empty()) {
        return;
    }
    const std::string failure = ModeStore(folder).Save(mode);
    if (!failure.empty()) {
        // The mode is set; only a later resume will not know it.
        console.err << "glintctl: warning: the mode is set but not kept for resume: " << failure
                    << '\n';
    }
}

int RunOnPort(const Options& options, const Console& console) {
    std::optional<LedMode> mode;
    if (options.command == "mode" || options.command == "resume") {
        int result = kExitDone;
        mode = ModeToWrite(options, console, result);
        if (!mode) {
            return result;
        }
    }
    const bool simulated = options.simState.has_value();
    BackEnd backEnd = simulated ? OpenSimBackEnd(*options.simState) : OpenHardwareBackEnd();
    if (!backEnd.failure.empty()) {
        return console.Fail(kExitNoPortAccess, backEnd.failure);
    }
    // Nothing is written until a command that writes has checked the chip.
    EcPort port(std::move(backEnd.ways), std::move(backEnd.busLock), EcPort::StartupByte::Deferred);
    if (!port.ready) {
        return console.Fail(kExitNoPortAccess, DescribeStartFailure(port.FailedWays()));
    }
    if (options.command == "status") {
        return RunStatus(port, console);
    }
    if (options.command == "level") {
        return RunLevel(port, console);
    }
    if (options.command == "watch") {
        return RunWatch(port, console);
    }
    const int result = RunMode(port, *mode, options.force, console);
    if (result == kExitDone && options.command == "mode") {
        KeepMode(options, *mode, console);
    }
    return result;
}

} // namespace

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
    return RunOnPort(options, console);
}

} // namespace glintctl
