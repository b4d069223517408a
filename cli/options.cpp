#include "cli/options.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace glintctl {

namespace {

constexpr std::array<std::string_view, 6> kCommands{"status", "mode",   "level",
                                                    "watch",  "resume", "restore"};
constexpr std::array<std::string_view, 4> kRestoreActions{"on", "off", "status", "definition"};

bool IsCommand(const std::string& word) {
    for (std::string_view command : kCommands) {
        if (word == command) {
            return true;
        }
    }
    return false;
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
            if (!IsCommand(arg)) {
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
    } else if (options.command == "mode" && options.operands.size() != 1) {
        error = "mode needs one of auto, on, rainbow, breath, colorloop";
    } else if (options.command == "restore" &&
               (options.operands.size() != 1 ||
                std::find(kRestoreActions.begin(), kRestoreActions.end(),
                          options.operands.front()) == kRestoreActions.end())) {
        error = "restore needs one of on, off, status, definition";
    } else if (options.command != "mode" && options.command != "restore" &&
               !options.operands.empty()) {
        error = options.command + " takes no operand: " + options.operands.front();
    }
    return parsed;
}

} // namespace glintctl
