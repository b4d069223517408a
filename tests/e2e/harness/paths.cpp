#include "paths.h"

#include "tools/ecsim/state/unix_path.h"

#include <windows.h>

#include <string>
#include <system_error>

namespace e2e {

std::filesystem::path BuiltProgram() {
    return ecsim::WindowsPathFromUnix(GLINT_E2E_PROGRAM);
}

std::filesystem::path ArtifactPath(const std::string& name) {
    const std::filesystem::path folder = ecsim::WindowsPathFromUnix(GLINT_E2E_ARTIFACTS);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder / name;
}

} // namespace e2e
