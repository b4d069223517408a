#pragma once

#include <optional>
#include <string>
#include <vector>

namespace glintctl {

struct Options {
    // Empty when only --help was asked for.
    std::string command;
    std::vector<std::string> operands;
    bool json = false;
    bool force = false;
    bool help = false;
    std::optional<std::string> simState;
    std::optional<std::string> stateDir;
};

// The options, or an error message for a command line that is not understood.
struct ParsedOptions {
    Options options;
    std::string error;
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

} // namespace glintctl
