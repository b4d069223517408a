#include "ec/win/library_paths.h"

#include "framework/path_text.h"

namespace {

// The longest path the wide calls can give, so that the folder is never cut.
constexpr DWORD kLongestPath = 32768;

} // namespace

std::wstring ExecutableFolder() {
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

HMODULE LoadLibraryAtPath(const std::wstring& path, LoadLibraryFn load) {
    HMODULE module = load(path.c_str(), nullptr,
                          LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr || ::GetLastError() != ERROR_INVALID_PARAMETER) {
        return module;
    }
    // A system without those flags (Windows 7 without KB2533623).
    return load(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
