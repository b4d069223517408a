#include "paths.h"

#include "tools/ecsim/state/unix_path.h"

#include <windows.h>

#include <atomic>
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

std::filesystem::path NewTempFolder(const std::string& prefix) {
    static std::atomic<unsigned> counter{0};
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    for (;;) {
        const std::filesystem::path folder =
            base / (prefix + "_" + std::to_string(::GetCurrentProcessId()) + "_" +
                    std::to_string(counter++));
        if (std::filesystem::create_directories(folder, error)) {
            return folder;
        }
        if (error) {
            return {};
        }
    }
}

} // namespace e2e
