#include "tools/ecsim/state/unix_path.h"

#include <windows.h>

namespace ecsim {

std::filesystem::path WindowsPathFromUnix(const std::string& unixPath) {
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

} // namespace ecsim
