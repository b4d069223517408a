#include "cli/help_text.h"

namespace glintctl {

namespace {

constexpr std::string_view kGeneral =
    "usage: glintctl [OPTIONS] COMMAND [ARG]\n"
    "Controls the keyboard lighting of an IT557x notebook through its embedded controller.\n"
    "\n"
    "commands:\n"
    "  status        chip identification, register base, lighting mode, control byte, level\n"
    "  mode MODE     set the lighting mode: auto, on, rainbow, breath or colorloop\n"
    "  level         print the performance level (1, 2 or 3)\n"
    "  watch         print one line per performance-level change until interrupted\n"
    "  resume        write the mode that `glintctl mode` set last again (for the sleep hook)\n"
    "  restore WHAT  on, off, status or definition: the kept mode written back at start-up and\n"
    "                after sleep (Windows: a Task Scheduler task; Linux: the package's units)\n"
    "\n"
    "options:\n"
    "  --json            machine-readable output, one JSON object per line\n"
    "  --force           write to a chip that does not identify as IT557x\n"
    "  --sim STATE       use the simulated EC in the state file STATE, not the hardware\n"
    "  --state-dir DIR   where the last mode is kept (default: $GLINT_STATE_DIR, else\n"
    "                    STATE.glint with --sim, else /var/lib/glint; on Windows\n"
    "                    %ProgramData%\\Glint)\n"
    "  -h, --help        this text; `glintctl COMMAND --help` for one command\n"
    "\n"
    "exit codes:\n"
    "  0  done\n"
    "  1  usage error (or the kept mode could not be read)\n"
    "  2  no access to the ports (not root, no CAP_SYS_RAWIO, kernel lockdown; on Windows\n"
    "     neither io.dll nor PawnIO usable: the message says what each lacks)\n"
    "  3  the chip does not identify as IT557x; nothing was written (see --force)\n"
    "  4  the bus stayed busy (another tool held it); nothing was written\n"
    "  5  the EC did not hold the mode when it was read back\n"
    "  6  the Task Scheduler did not take the change (restore on or off)\n"
    "  130 interrupted (Ctrl+C, SIGTERM, SIGHUP) between two transactions\n";

constexpr std::string_view kStatus =
    "usage: glintctl status [--json] [--sim STATE]\n"
    "Prints the way to the ports in use (ioperm on Linux; io.dll or PawnIO on Windows;\n"
    "simulated with --sim), the chip identification bytes (EC 0x2000, 0x2001), the register\n"
    "base they select, the lighting mode (name and code), the control byte and the performance\n"
    "level. Writes nothing. A chip that does not identify as IT557x is reported, and its\n"
    "registers are read from base 0x400 as the window program would.\n";

constexpr std::string_view kMode =
    "usage: glintctl mode auto|on|rainbow|breath|colorloop [--json] [--force] [--sim STATE]\n"
    "Writes the lighting mode as a click in the window does: the mode register, then bit 0 of\n"
    "the control byte (cleared for on, set for the others; bits 1-7 kept), in one held bus\n"
    "section, then reads both back and prints what the EC holds. The mode is kept for\n"
    "`glintctl resume`. On a chip that does not identify as IT557x nothing is written unless\n"
    "--force is given (exit code 3).\n";

constexpr std::string_view kLevel =
    "usage: glintctl level [--json] [--sim STATE]\n"
    "Prints the performance level (1, 2 or 3) that the EC reports; a byte outside 1..3 is\n"
    "printed as no level.\n";

constexpr std::string_view kWatch =
    "usage: glintctl watch [--json] [--sim STATE]\n"
    "Reads the performance level every 500 ms and prints one line each time it changes (the\n"
    "first line is the level at start) until interrupted (Ctrl+C, SIGTERM, SIGHUP); then exits 0.\n";

constexpr std::string_view kResume =
    "usage: glintctl resume [--json] [--force] [--state-dir DIR] [--sim STATE]\n"
    "Writes the mode that `glintctl mode` set last again, as `glintctl mode` writes it, and\n"
    "reads it back; firmware may ignore writes right after wake-up, so it tries again for\n"
    "about five seconds before it gives up (exit code 5). The sleep hook runs it after\n"
    "wake-up and the boot unit at start (on Windows the task of `glintctl restore on`).\n"
    "Writes nothing when no mode was kept yet; a kept-mode file that holds no mode name is\n"
    "reported and nothing is written (exit code 1).\n";

constexpr std::string_view kRestore =
    "usage: glintctl restore on|off|status|definition [--json] [--state-dir DIR]\n"
    "Windows: `on` registers the task \\Glint Controls\\Restore lighting, which runs this\n"
    "glintctl.exe with `resume` as SYSTEM at start-up and after sleep, hibernation and Modern\n"
    "Standby, and keeps the mode the EC holds now if none is kept yet (needs an administrator\n"
    "terminal). From then on the window's clicks are kept too. `off` removes the task and the\n"
    "kept mode. `status` says whether the task is there, which glintctl.exe it runs, and the\n"
    "kept mode. `definition` prints the task's definition (XML) that `on` registers.\n"
    "Linux: the package's boot unit and sleep hook do this; `status` reports them and the\n"
    "kept mode, and `on`/`off` say which systemctl command turns them on or off.\n";

} // namespace

std::string_view HelpText(std::string_view command) {
    if (command.empty()) {
        return kGeneral;
    }
    if (command == "status") {
        return kStatus;
    }
    if (command == "mode") {
        return kMode;
    }
    if (command == "level") {
        return kLevel;
    }
    if (command == "watch") {
        return kWatch;
    }
    if (command == "resume") {
        return kResume;
    }
    if (command == "restore") {
        return kRestore;
    }
    return {};
}

} // namespace glintctl
