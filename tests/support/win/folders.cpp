#include "tests/support/win/folders.h"

#include <windows.h>

#include "framework/path_text.h"

namespace wintest {

std::filesystem::path ProgramFolder() {
    return FolderOfPath(ReadWholeString<wchar_t>([](wchar_t* buffer, std::size_t capacity) {
        return static_cast<std::size_t>(
            ::GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(capacity)));
    }));
}

} // namespace wintest
