#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>

// The tests' temporary folders, the same for the native, Windows and end-to-end tests (under
// Wine the temporary folder is the prefix's own). Header-only: the native tests have no support
// library to link.
namespace testsupport {

// A new empty folder under the temporary folder, named <prefix>_<n> with the first n not taken
// yet: making the folder is what claims the name, so tests that run at once never share one.
// Empty when no folder can be made.
inline std::filesystem::path NewScratchFolder(const std::string& prefix) {
    static std::atomic<unsigned> counter{0};
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    while (!error) {
        std::filesystem::path folder = base / (prefix + "_" + std::to_string(counter++));
        if (std::filesystem::create_directory(folder, error)) {
            return folder;
        }
    }
    return {};
}

// A new scratch folder, removed with everything in it at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix = "glint_test")
        : path(NewScratchFolder(prefix)) {}
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path.empty()) {
            std::filesystem::remove_all(path, ignored);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path / name; }

private:
    std::filesystem::path path;
};

} // namespace testsupport
