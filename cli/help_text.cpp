#include "cli/help_text.h"

#include <algorithm>

#include "cli/command_table.h"

namespace glintctl {

namespace {

constexpr std::string_view kOptionsAndExitCodes =
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

// A command's usage line: its name, its operand (the words it may be, when they are few) and its
// options.
std::string UsageLine(const Command& command) {
    std::string line("usage: glintctl ");
    line.append(command.name);
    if (!command.operand.empty()) {
        line.append(" ").append(command.choices.empty() ? std::string(command.operand)
                                                        : ListOfWords(command.choices, "|", "|"));
    }
    return line.append(" ").append(command.options).append("\n");
}

} // namespace

std::string HelpText(std::string_view commandName) {
    if (const Command* command = FindCommand(commandName)) {
        return UsageLine(*command).append(command->help);
    }
    if (!commandName.empty()) {
        return {};
    }
    std::string text = "usage: glintctl [OPTIONS] COMMAND [ARG]\n"
                       "Controls the keyboard lighting of an IT557x notebook through its embedded "
                       "controller.\n\ncommands:\n";
    std::size_t width = 0;
    for (const Command& command : Commands()) {
        width = std::max(width, command.name.size() + command.operand.size() + 1);
    }
    for (const Command& command : Commands()) {
        std::string shown(command.name);
        if (!command.operand.empty()) {
            shown.append(" ").append(command.operand);
        }
        text.append("  ").append(shown).append(width - shown.size() + 2, ' ');
        text.append(command.summary).append("\n");
    }
    return text.append("\n").append(kOptionsAndExitCodes);
}

} // namespace glintctl
