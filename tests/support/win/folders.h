#pragma once
#include <filesystem>

namespace wintest {

// The folder of the running program, where the build puts its helpers.
std::filesystem::path ProgramFolder();

} // namespace wintest
