#include "led/win/kept_mode_file.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

#include "framework/owned_handle.h"
#include "framework/wide_text.h"
#include "led/led_mode_names.h"

namespace {

constexpr wchar_t kFileName[] = L"\\mode";
constexpr wchar_t kNewFileName[] = L"\\mode.new";
// Longer than any mode's name: a file this long is not one of ours.
constexpr DWORD kLongestContent = 64;
std::string Failed(const std::wstring& path, const char* what) {
    const DWORD error = ::GetLastError();
    return Utf8FromWide(path) + ": " + what + " (Windows error " + std::to_string(error) + ")";
}

OwnedKernelHandle OpenFile(const std::wstring& path, DWORD access, DWORD disposition) {
    HANDLE file =
        ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return OwnedKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// The folder, made or made over with KeptModeFolderRights; empty when it is ready to be written.
std::string PrepareFolder(const std::wstring& folder) {
    const OwnedLocalMemory rights = KeptModeFolderRights();
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL acl = nullptr;
    if (!rights || !::GetSecurityDescriptorDacl(rights.Get(), &present, &acl, &defaulted)) {
        return Failed(folder, "cannot describe the folder's rights");
    }
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), rights.Get(), FALSE};
    if (::CreateDirectoryW(folder.c_str(), &attributes)) {
        return {};
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) {
        return Failed(folder, "cannot be made");
    }
    const DWORD kind = ::GetFileAttributesW(folder.c_str());
    if (kind == INVALID_FILE_ATTRIBUTES || (kind & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (kind & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        // A link would send the file wherever whoever made it chose.
        return Utf8FromWide(folder) + ": is not a folder of its own; delete it and try again";
    }
    if (::SetNamedSecurityInfoW(const_cast<wchar_t*>(folder.c_str()), SE_FILE_OBJECT,
                                DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                nullptr, nullptr, acl, nullptr) != ERROR_SUCCESS) {
        return Utf8FromWide(folder) +
               ": its rights cannot be set so that only administrators change it; delete it (as "
               "administrator) and try again";
    }
    return {};
}

} // namespace

std::wstring DefaultKeptModeFolder() {
    wchar_t programData[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                                  programData))) {
        return {};
    }
    return std::wstring(programData) + L"\\Glint";
}

KeptModeRead ReadKeptMode(const std::wstring& folder) {
    const std::wstring path = folder + kFileName;
    const OwnedKernelHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return {};
        }
        return {std::nullopt, Failed(path, "cannot be read")};
    }
    char content[kLongestContent + 1] = {};
    DWORD read = 0;
    if (!::ReadFile(file.Get(), content, sizeof(content), &read, nullptr)) {
        return {std::nullopt, Failed(path, "cannot be read")};
    }
    const std::optional<LedMode> mode =
        read <= kLongestContent ? ModeFromKeptText(std::string_view(content, read)) : std::nullopt;
    if (!mode) {
        return {std::nullopt, Utf8FromWide(path) + ": holds no mode name"};
    }
    return {mode, {}};
}

bool KeptModeExists(const std::wstring& folder) {
    const DWORD kind = ::GetFileAttributesW((folder + kFileName).c_str());
    return kind != INVALID_FILE_ATTRIBUTES && (kind & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string WriteKeptMode(const std::wstring& folder, LedMode mode) {
    if (std::string failure = PrepareFolder(folder); !failure.empty()) {
        return failure;
    }
    const std::wstring path = folder + kFileName;
    const std::wstring newPath = folder + kNewFileName;
    const std::string text = KeptModeText(mode);
    {
        const OwnedKernelHandle file = OpenFile(newPath, GENERIC_WRITE, CREATE_ALWAYS);
        DWORD written = 0;
        if (!file ||
            !::WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written,
                         nullptr) ||
            written != text.size() || !::FlushFileBuffers(file.Get())) {
            std::string failure = Failed(newPath, "cannot be written");
            ::DeleteFileW(newPath.c_str());
            return failure;
        }
    }
    if (!::MoveFileExW(newPath.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        std::string failure = Failed(path, "cannot be replaced");
        ::DeleteFileW(newPath.c_str());
        return failure;
    }
    return {};
}

OwnedLocalMemory KeptModeFolderRights() {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)", SDDL_REVISION_1,
            &descriptor, nullptr)) {
        return {};
    }
    return OwnedLocalMemory(descriptor);
}

std::string RemoveKeptMode(const std::wstring& folder) {
    const std::wstring path = folder + kFileName;
    if (::DeleteFileW(path.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND ||
        ::GetLastError() == ERROR_PATH_NOT_FOUND) {
        return {};
    }
    return Failed(path, "cannot be removed");
}
