#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"

namespace glintctl {

// One of glintctl's commands: its parsing, dispatch and help all come from here.
struct Command {
    std::string_view name;
    // The operand's name in a usage line; empty when the command takes none.
    std::string_view operand;
    // The words the operand may be; a command that takes an operand takes one of these.
    std::vector<std::string_view> choices;
    // The options it heeds, as its usage line shows them.
    std::string_view options;
    // Its line in `glintctl --help`, and the rest of `glintctl COMMAND --help`.
    std::string summary;
    std::string_view help;
    int (*run)(const Options& options, const Console& console);
};

std::span<const Command> Commands();
// Null for a word that is no command.
const Command* FindCommand(std::string_view name);

// The words joined with separator, the last two with last: "a, b, c or d".
std::string ListOfWords(const std::vector<std::string_view>& words, std::string_view separator,
                        std::string_view last);

} // namespace glintctl
