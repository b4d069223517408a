#include "tests/support/win/folders.h"

#include <windows.h>

#include <atomic>

#include "framework/path_text.h"

namespace wintest {

std::filesystem::path ProgramFolder() {
    return FolderOfPath(ReadWholeString<wchar_t>([](wchar_t* buffer, std::size_t capacity) {
        return static_cast<std::size_t>(
            ::GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(capacity)));
    }));
}

ScratchFolder::ScratchFolder(const std::string& prefix) {
    static std::atomic<unsigned> counter{0};
    path =
        std::filesystem::temp_directory_path() /
        (prefix + "_" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(counter++));
    std::error_code ignored;
    std::filesystem::create_directories(path, ignored);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

} // namespace wintest
