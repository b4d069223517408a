#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace glintctl {

// The whole program on its arguments (without the program name); returns the exit code.
int RunGlintctl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace glintctl
