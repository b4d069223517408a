#pragma once

#include <string>
#include <string_view>

namespace glintctl {

// The whole help, or a command's own; empty for a command that does not exist.
std::string HelpText(std::string_view command);

} // namespace glintctl
