#include "program_copy.h"

#include "file_ops.h"
#include "paths.h"

namespace e2e {

std::filesystem::path BuiltProgramFolder() {
    return BuiltProgram().parent_path();
}

ProgramCopy::ProgramCopy(const std::filesystem::path& target, const std::filesystem::path& name)
    : folder(target), programName(name) {
    ready = !folder.empty() && CreateFolders(folder) && CopyOneFile(BuiltProgram(), Program());
}

ProgramCopy::~ProgramCopy() {
    if (!folder.empty()) {
        RemoveTree(folder);
    }
}

std::filesystem::path ProgramCopy::SkinFolder(const std::string& skin) const {
    CreateFolders(folder / skin);
    return folder / skin;
}

bool ProgramCopy::CopyIoDll() {
    return CopyIoDllFrom(BuiltProgramFolder() / "io.dll");
}

bool ProgramCopy::CopyIoDllFrom(const std::filesystem::path& ioDll) {
    return CopyOneFile(ioDll, folder / "io.dll");
}

bool ProgramCopy::CopySkin(const std::string& skin) {
    return CopyFolderFiles(BuiltProgramFolder() / skin, SkinFolder(skin));
}

bool ProgramCopy::CopySkinFile(const std::string& skin, const std::string& file) {
    return CopyOneFile(BuiltProgramFolder() / skin / file, SkinFolder(skin) / file);
}

} // namespace e2e
