#pragma once
#include <filesystem>
#include <string>

namespace wintest {

// The folder of the running program, where the build puts its helpers.
std::filesystem::path ProgramFolder();

// A fresh folder under the temporary folder, removed with everything in it at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix = "glint_test");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    std::filesystem::path operator/(const char* name) const { return path / name; }

private:
    std::filesystem::path path;
};

} // namespace wintest
