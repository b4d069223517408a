#include "ui/exe_path.h"

#include <windows.h>

#include "ui/core/exe_folder.h"

std::string ExecutablePath(std::size_t firstCapacity) {
    return ReadWholeString(
        [](char* buffer, std::size_t capacity) {
            return static_cast<std::size_t>(
                ::GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(capacity)));
        },
        firstCapacity);
}
