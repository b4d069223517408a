#pragma once
#include <filesystem>
#include <string>

namespace e2e {

// A copy of glint.exe in a folder of its own, under the given file name, with whichever of io.dll
// and the skin files a test wants beside it. The folder may be longer than MAX_PATH. Removed with
// the object.
class ProgramCopy {
public:
    explicit ProgramCopy(const std::filesystem::path& folder,
                         const std::filesystem::path& programName = "glint.exe");
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    bool Ready() const { return ready; }
    std::filesystem::path Program() const { return folder / programName; }
    std::filesystem::path Folder() const { return folder; }
    // skin is "skin_EN" or "skin_CN"; the folder is created.
    std::filesystem::path SkinFolder(const std::string& skin) const;

    bool CopyIoDll();
    // Another io.dll (one lacking a function, say) in its place.
    bool CopyIoDllFrom(const std::filesystem::path& ioDll);
    // Every file of the built skin folder, or only the named one.
    bool CopySkin(const std::string& skin);
    bool CopySkinFile(const std::string& skin, const std::string& file);

private:
    std::filesystem::path folder;
    std::filesystem::path programName;
    bool ready = false;
};

// The folder that holds the built program, its io.dll and its skins.
std::filesystem::path BuiltProgramFolder();

} // namespace e2e
