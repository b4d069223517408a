#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "tools/ecsim/cli/ecsim_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const char* environmentPath = std::getenv("ECSIM_STATE");
    return ecsim::RunEcsimCommand(args, environmentPath != nullptr ? environmentPath : "",
                                  std::cout, std::cerr);
}
