#include "ec/win/pawnio_search.h"

#include <windows.h>

#include "framework/owned_handle.h"

namespace {

constexpr wchar_t kUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PawnIO";
constexpr wchar_t kInstallLocationValue[] = L"InstallLocation";
constexpr wchar_t kWindowsKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr wchar_t kProgramFilesValue[] = L"ProgramFilesDir";
constexpr wchar_t kDefaultFolderName[] = L"PawnIO";
// A folder path longer than this is not one a setup writes.
constexpr DWORD kLongestValueBytes = 32768 * sizeof(wchar_t);

// A REG_SZ value of a key under HKLM, read whole; empty for a missing value or another type
// (an expandable string would take its parts from the user's environment).
std::wstring ReadMachineString(const wchar_t* keyPath, const wchar_t* valueName) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY,
                        &opened) != ERROR_SUCCESS) {
        return {};
    }
    const OwnedRegistryKey key(opened);
    DWORD type = 0;
    DWORD bytes = 0;
    if (::RegQueryValueExW(key.Get(), valueName, nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        type != REG_SZ || bytes > kLongestValueBytes) {
        return {};
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key.Get(), valueName, nullptr, &type,
                           reinterpret_cast<BYTE*>(text.data()), &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    // The stored string may or may not end in a null; it ends at the first one.
    text.resize(bytes / sizeof(wchar_t));
    if (const std::size_t end = text.find(L'\0'); end != std::wstring::npos) {
        text.resize(end);
    }
    return text;
}

std::wstring WithoutTrailingBackslash(std::wstring path) {
    while (path.size() > 3 && path.back() == L'\\') {
        path.pop_back();
    }
    return path;
}

// From the root of a drive or of a share: a relative path would be taken from the current folder.
bool IsAbsoluteWindowsPath(const std::wstring& path) {
    const wchar_t drive = static_cast<wchar_t>(path.empty() ? 0 : (path[0] | 0x20));
    const bool driveRoot = path.size() >= 3 && drive >= L'a' && drive <= L'z' && path[1] == L':' &&
                           (path[2] == L'\\' || path[2] == L'/');
    const bool share = path.size() >= 3 && path[0] == L'\\' && path[1] == L'\\';
    return driveRoot || share;
}

// The uninstall entry's value, unquoted; empty when it is absent or not a plain string.
std::wstring PawnIoInstallLocation() {
    std::wstring location = ReadMachineString(kUninstallKey, kInstallLocationValue);
    if (location.size() >= 2 && location.front() == L'"' && location.back() == L'"') {
        location = location.substr(1, location.size() - 2);
    }
    return location;
}

} // namespace

std::wstring PawnIoInstallFolder() {
    const std::wstring location = PawnIoInstallLocation();
    if (IsAbsoluteWindowsPath(location)) {
        return WithoutTrailingBackslash(location);
    }
    const std::wstring programFiles = ReadMachineString(kWindowsKey, kProgramFilesValue);
    if (IsAbsoluteWindowsPath(programFiles)) {
        return WithoutTrailingBackslash(programFiles) + L"\\" + kDefaultFolderName;
    }
    return {};
}
