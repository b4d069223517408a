#include "ec/win/io_dll_search.h"

#include <string>

namespace {

constexpr wchar_t kLibraryName[] = L"io.dll";

} // namespace

HMODULE LoadIoDllFromTrustedFolders(LoadLibraryFn load) {
    // The same restriction holds for the libraries io.dll itself imports.
    HMODULE module = load(kLibraryName, nullptr,
                          LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr || ::GetLastError() != ERROR_INVALID_PARAMETER) {
        return module;
    }
    // A system without the safe search flags (Windows 7 without KB2533623): by full path, the
    // program's folder first. A bare name would search the current folder and PATH.
    for (const std::wstring& folder : {ExecutableFolder(), SystemFolder()}) {
        if (folder.empty()) {
            continue;
        }
        const std::wstring path = folder + L"\\" + kLibraryName;
        module = load(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (module != nullptr) {
            return module;
        }
    }
    return nullptr;
}

bool IoDllInTrustedFolders() {
    for (const std::wstring& folder : {ExecutableFolder(), SystemFolder()}) {
        if (!folder.empty() && FileExists(folder + L"\\" + kLibraryName)) {
            return true;
        }
    }
    return false;
}
