#include "ui/core/exe_folder.h"

std::string FolderOfPath(std::string_view path) {
    const std::size_t lastBackslash = path.rfind('\\');
    if (lastBackslash == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(0, lastBackslash));
}
