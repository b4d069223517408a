#include "ui/exe_path.h"

#include <windows.h>

#include "framework/path_text.h"
#include "framework/wide_text.h"

std::string ExecutablePath(std::size_t firstCapacity) {
    // The wide call: the narrow one gives '?' for characters outside the ANSI code page.
    return Utf8FromWide(ReadWholeString<wchar_t>(
        [](wchar_t* buffer, std::size_t capacity) {
            return static_cast<std::size_t>(
                ::GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(capacity)));
        },
        firstCapacity));
}
