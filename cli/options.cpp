#include "cli/options.h"

#include <algorithm>
#include <string_view>

#include "cli/command_table.h"

namespace glintctl {

namespace {

// What is wrong with a command's operands; empty when nothing is.
std::string OperandError(const Command& command, const std::vector<std::string>& operands) {
    const std::string name(command.name);
    if (command.operand.empty()) {
        return operands.empty() ? std::string() : name + " takes no operand: " + operands.front();
    }
    if (operands.size() != 1 || std::find(command.choices.begin(), command.choices.end(),
                                          operands.front()) == command.choices.end()) {
        return name + " needs one of " + ListOfWords(command.choices, ", ", ", ");
    }
    return {};
}

// --name VALUE or --name=VALUE; advances index past what it used.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& index,
                                       std::string_view name, std::string& error) {
    const std::string& arg = args[index];
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
        arg[name.size()] == '=') {
        return arg.substr(name.size() + 1);
    }
    if (index + 1 >= args.size() || args[index + 1].empty()) {
        error = std::string(name) + " needs a value";
        return std::nullopt;
    }
    return args[++index];
}

bool Matches(const std::string& arg, std::string_view name) {
    return arg == name || (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
                           arg[name.size()] == '=');
}

} // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    std::string& error = parsed.error;
    for (std::size_t index = 0; index < args.size() && error.empty(); ++index) {
        const std::string& arg = args[index];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--force") {
            options.force = true;
        } else if (Matches(arg, "--sim")) {
            options.simState = OptionValue(args, index, "--sim", error);
        } else if (Matches(arg, "--state-dir")) {
            options.stateDir = OptionValue(args, index, "--state-dir", error);
        } else if (!arg.empty() && arg.front() == '-') {
            error = "unknown option: " + arg;
        } else if (options.command.empty()) {
            if (FindCommand(arg) == nullptr) {
                error = "unknown command: " + arg;
            }
            options.command = arg;
        } else {
            options.operands.push_back(arg);
        }
    }
    if (!error.empty() || options.help) {
        return parsed;
    }
    if (options.command.empty()) {
        error = "no command given";
    } else {
        error = OperandError(*FindCommand(options.command), options.operands);
    }
    return parsed;
}

} // namespace glintctl
