#include "program_copy.h"

#include <system_error>

#include "paths.h"

namespace e2e {

std::filesystem::path BuiltProgramFolder() {
    return BuiltProgram().parent_path();
}

std::filesystem::path ProgramCopy::Extended(const std::filesystem::path& path) {
    const std::wstring text = path.wstring();
    if (text.rfind(L"\\\\", 0) == 0) {
        return path;
    }
    return std::filesystem::path(L"\\\\?\\" + text);
}

ProgramCopy::ProgramCopy(const std::filesystem::path& target) : folder(target) {
    std::error_code error;
    std::filesystem::create_directories(Extended(folder), error);
    if (error) {
        return;
    }
    ready = std::filesystem::copy_file(Extended(BuiltProgram()), Extended(Program()),
                                       std::filesystem::copy_options::overwrite_existing, error);
}

ProgramCopy::~ProgramCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(Extended(folder), ignored);
}

std::filesystem::path ProgramCopy::SkinFolder(const std::string& skin) const {
    std::error_code ignored;
    std::filesystem::create_directories(Extended(folder / skin), ignored);
    return folder / skin;
}

bool ProgramCopy::CopyIoDll() {
    std::error_code error;
    return std::filesystem::copy_file(Extended(BuiltProgramFolder() / "io.dll"),
                                      Extended(folder / "io.dll"),
                                      std::filesystem::copy_options::overwrite_existing, error);
}

bool ProgramCopy::CopySkin(const std::string& skin) {
    std::error_code error;
    std::filesystem::copy(Extended(BuiltProgramFolder() / skin), Extended(SkinFolder(skin)),
                          std::filesystem::copy_options::overwrite_existing, error);
    return !error;
}

bool ProgramCopy::CopySkinFile(const std::string& skin, const std::string& file) {
    std::error_code error;
    return std::filesystem::copy_file(Extended(BuiltProgramFolder() / skin / file),
                                      Extended(SkinFolder(skin) / file),
                                      std::filesystem::copy_options::overwrite_existing, error);
}

} // namespace e2e
