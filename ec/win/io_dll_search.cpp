#include "ec/win/io_dll_search.h"

#include <string>

#include "framework/path_text.h"

namespace {

constexpr wchar_t kLibraryName[] = L"io.dll";

// The longest path the wide calls can give, so that the folder is never cut.
constexpr DWORD kLongestPath = 32768;

std::wstring ProgramFolder() {
    return FolderOfPath(ReadWholeString<wchar_t>(
        [](wchar_t* buffer, std::size_t capacity) {
            return static_cast<std::size_t>(
                ::GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(capacity)));
        },
        512, kLongestPath - 1));
}

std::wstring SystemFolder() {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = ::GetSystemDirectoryW(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    path.resize(length);
    return path;
}

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
    for (const std::wstring& folder : {ProgramFolder(), SystemFolder()}) {
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
