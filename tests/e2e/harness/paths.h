#pragma once
#include <filesystem>
#include <string>

namespace e2e {

// glint.exe as built, with its skins and the simulated io.dll beside it.
std::filesystem::path BuiltProgram();
// A file under build/artifacts/<architecture>/ (the folder is created); screenshots go there.
std::filesystem::path ArtifactPath(const std::string& name);

} // namespace e2e
