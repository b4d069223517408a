#include "ui/core/skin_folder.h"

#include "ui/core/language.h"

std::string SkinFolderFor(std::string_view exeFolder, std::uint16_t languageId) {
    std::string folder(exeFolder);
    folder += language::LanguageFor(languageId).skinFolder;
    return folder;
}
