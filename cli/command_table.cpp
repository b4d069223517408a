#include "cli/command_table.h"

#include "led/led_mode_names.h"

namespace glintctl {

namespace {

std::vector<Command> MakeCommands() {
    const std::vector<std::string_view> modes = ModeNames();
    std::vector<Command> commands;
    commands.push_back(
        {"status",
         "",
         {},
         "[--json] [--sim STATE]",
         "chip identification, register base, lighting mode, control byte, level",
         "Prints the way to the ports in use (ioperm on Linux; io.dll or PawnIO on Windows;\n"
         "simulated with --sim), the chip identification bytes (EC 0x2000, 0x2001), the register\n"
         "base they select, the lighting mode (name and code), the control byte and the\n"
         "performance level. Writes nothing. A chip that does not identify as IT557x is\n"
         "reported, and its registers are read from base 0x400 as the window program would.\n",
         StatusCommand});
    commands.push_back(
        {"mode", "MODE", modes, "[--json] [--force] [--state-dir DIR] [--sim STATE]",
         "set the lighting mode: " + ListOfWords(modes, ", ", " or "),
         "Writes the lighting mode as a click in the window does: the mode register, then bit 0\n"
         "of the control byte (cleared for on, set for the others; bits 1-7 kept), in one held\n"
         "bus section, then reads both back and prints what the EC holds. The mode is kept for\n"
         "`glintctl resume` before the bus is let go. On a chip that does not identify as\n"
         "IT557x nothing is written unless --force is given (exit code 3).\n",
         ModeCommand});
    commands.push_back({"level",
                        "",
                        {},
                        "[--json] [--sim STATE]",
                        "print the performance level (1, 2 or 3)",
                        "Prints the performance level (1, 2 or 3) that the EC reports; a byte\n"
                        "outside 1..3 is printed as no level.\n",
                        LevelCommand});
    commands.push_back(
        {"watch",
         "",
         {},
         "[--json] [--sim STATE]",
         "print one line per performance-level change until interrupted",
         "Reads the performance level every 500 ms and prints one line each time it changes\n"
         "(the first line is the level at start) until interrupted (Ctrl+C, SIGTERM, SIGHUP);\n"
         "then exits 0.\n",
         WatchCommand});
    commands.push_back(
        {"resume",
         "",
         {},
         "[--json] [--force] [--state-dir DIR] [--sim STATE]",
         "write the mode that `glintctl mode` set last again (boot, wake-up)",
         "Writes the mode that `glintctl mode` set last again, as `glintctl mode` writes it, and\n"
         "reads it back; firmware may ignore writes right after wake-up, so it tries again for\n"
         "about five seconds before it gives up (exit code 5). The sleep hook runs it after\n"
         "wake-up and the boot unit at start (on Windows the task of `glintctl restore on`).\n"
         "Writes nothing when no mode was kept yet; a kept-mode file that holds no mode name is\n"
         "reported and nothing is written (exit code 1).\n",
         ResumeCommand});
    commands.push_back(
        {"restore",
         "WHAT",
         {"on", "off", "status", "definition"},
         "[--json] [--state-dir DIR]",
         "the kept mode written back at start-up and after sleep: on, off, status, definition",
         "Windows: `on` registers the task \\Glint Controls\\Restore lighting, which runs this\n"
         "glintctl.exe with `resume` as SYSTEM at start-up and after sleep, hibernation and\n"
         "Modern Standby, and keeps the mode the EC holds now if none is kept yet (needs an\n"
         "administrator terminal). From then on the window's clicks are kept too. `off` removes\n"
         "the task and the kept mode. `status` says whether the task is there, which\n"
         "glintctl.exe it runs, and the kept mode. `definition` prints the task's definition\n"
         "(XML) that `on` registers.\n"
         "Linux: the package's boot unit and sleep hook do this; `status` reports them and the\n"
         "kept mode, and `on`/`off` say which systemctl command turns them on or off.\n",
         RestoreCommand});
    return commands;
}

} // namespace

std::span<const Command> Commands() {
    static const std::vector<Command> commands = MakeCommands();
    return commands;
}

const Command* FindCommand(std::string_view name) {
    for (const Command& command : Commands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

std::string ListOfWords(const std::vector<std::string_view>& words, std::string_view separator,
                        std::string_view last) {
    std::string list;
    for (std::size_t index = 0; index < words.size(); ++index) {
        if (index > 0) {
            list += index + 1 == words.size() ? last : separator;
        }
        list += words[index];
    }
    return list;
}

} // namespace glintctl
