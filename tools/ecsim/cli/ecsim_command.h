#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ecsim {

// Exit codes of the ecsim command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitMissingState = 2;
inline constexpr int kExitDamagedState = 3;
inline constexpr int kExitIoError = 4;

// Runs one ecsim command line (without the program name). The state file is the one given by
// "--state PATH", else by environmentPath (ECSIM_STATE), which may be empty.
int RunEcsimCommand(const std::vector<std::string>& args, const std::string& environmentPath,
                    std::ostream& out, std::ostream& err);

} // namespace ecsim
