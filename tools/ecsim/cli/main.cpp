#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "tools/ecsim/cli/ecsim_command.h"

namespace {
constexpr char kRunStatePath[] = ECSIM_RUN_STATE;
}

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Without --state or ECSIM_STATE, the state file of the README's run command, so that
    // `ecsim level 3` reaches the program that command started.
    const char* environmentPath = std::getenv("ECSIM_STATE");
    return ecsim::RunEcsimCommand(
        args, environmentPath != nullptr ? environmentPath : kRunStatePath, std::cout, std::cerr);
}
