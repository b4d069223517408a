#include "tests/support/win/pawnio_install.h"

#include <windows.h>

#include <system_error>

namespace wintest {

namespace {

constexpr wchar_t kUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PawnIO";
constexpr REGSAM kView = KEY_WOW64_64KEY;

} // namespace

std::filesystem::path PawnIoDefaultFolder() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0,
                        KEY_QUERY_VALUE | kView, &key) != ERROR_SUCCESS) {
        return {};
    }
    wchar_t programFiles[MAX_PATH] = {};
    DWORD bytes = sizeof(programFiles) - sizeof(wchar_t);
    const LSTATUS status = ::RegQueryValueExW(key, L"ProgramFilesDir", nullptr, nullptr,
                                              reinterpret_cast<BYTE*>(programFiles), &bytes);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::filesystem::path(programFiles) / "PawnIO"
                                   : std::filesystem::path();
}

bool PawnIoInstall::SetInstallLocation(const std::wstring& value, unsigned long type) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0, KEY_SET_VALUE | kView,
                          nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LSTATUS status = ::RegSetValueExW(
        key, L"InstallLocation", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void PawnIoInstall::RemoveUninstallEntry() {
    ::RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, kView, 0);
}

PawnIoInstall::PawnIoInstall(const std::filesystem::path& library, Where place) : where(place) {
    RemoveUninstallEntry();
    folder = where == Where::UninstallEntry ? scratch.Path() / "PawnIO" : PawnIoDefaultFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    ready = !folder.empty() && !error &&
            std::filesystem::copy_file(library, folder / "PawnIOLib.dll",
                                       std::filesystem::copy_options::overwrite_existing, error) &&
            (where == Where::DefaultFolder || SetInstallLocation(folder.wstring(), REG_SZ));
}

PawnIoInstall::~PawnIoInstall() {
    RemoveUninstallEntry();
    std::error_code ignored;
    if (where == Where::DefaultFolder && !folder.empty()) {
        std::filesystem::remove_all(folder, ignored);
    }
}

} // namespace wintest
