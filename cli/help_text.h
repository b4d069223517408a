#pragma once

#include <string_view>

namespace glintctl {

// The whole help, or a command's own; empty for a command that does not exist.
std::string_view HelpText(std::string_view command);

} // namespace glintctl
