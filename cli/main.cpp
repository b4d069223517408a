#include <iostream>
#include <string>
#include <vector>

#include "cli/glintctl.h"
#include "cli/stop_signal.h"

int main(int argc, char** argv) {
    glintctl::InstallStopHandlers();
    return glintctl::RunGlintctl(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr);
}
