#pragma once

#include <filesystem>
#include <string>

namespace ecsim {

// Under Wine, the Windows name of a Unix path through Wine's own drive mapping; elsewhere, or
// when Wine cannot map it, the path unchanged. Windows builds only.
std::filesystem::path WindowsPathFromUnix(const std::string& unixPath);

} // namespace ecsim
