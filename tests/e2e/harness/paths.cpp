#include "paths.h"

#include <windows.h>

#include <atomic>
#include <string>
#include <system_error>

namespace e2e {

std::filesystem::path FromUnixPath(const std::string& unixPath) {
    using ToDosName = WCHAR*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<ToDosName>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (toDos == nullptr) {
        return unixPath;
    }
    WCHAR* dosName = toDos(unixPath.c_str());
    if (dosName == nullptr) {
        return unixPath;
    }
    std::filesystem::path path(dosName);
    ::HeapFree(::GetProcessHeap(), 0, dosName);
    return path;
}

std::filesystem::path BuiltProgram() {
    return FromUnixPath(GLINT_E2E_PROGRAM);
}

std::filesystem::path ArtifactPath(const std::string& name) {
    const std::filesystem::path folder = FromUnixPath(GLINT_E2E_ARTIFACTS);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder / name;
}

std::filesystem::path NewTempFolder(const std::string& prefix) {
    static std::atomic<unsigned> counter{0};
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    for (;;) {
        const std::filesystem::path folder =
            base / (prefix + "_" + std::to_string(::GetCurrentProcessId()) + "_" +
                    std::to_string(counter++));
        if (std::filesystem::create_directories(folder, error)) {
            return folder;
        }
        if (error) {
            return {};
        }
    }
}

} // namespace e2e
