#include "file_ops.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

namespace {

std::wstring Extended(const std::filesystem::path& path) {
    std::wstring text = path.wstring();
    for (wchar_t& c : text) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    if (text.rfind(L"\\\\", 0) == 0) {
        return text;
    }
    return L"\\\\?\\" + text;
}

struct Entry {
    std::wstring name;
    bool folder;
};

std::vector<Entry> EntriesOf(const std::filesystem::path& folder) {
    std::vector<Entry> entries;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((Extended(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return entries;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return entries;
}

} // namespace

bool CreateFolders(const std::filesystem::path& folder) {
    if (::GetFileAttributesW(Extended(folder).c_str()) != INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    const std::filesystem::path parent = folder.parent_path();
    if (parent != folder && !parent.empty() && !CreateFolders(parent)) {
        return false;
    }
    return ::CreateDirectoryW(Extended(folder).c_str(), nullptr) ||
           ::GetLastError() == ERROR_ALREADY_EXISTS;
}

bool CopyOneFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::CopyFileW(Extended(from).c_str(), Extended(to).c_str(), FALSE) != FALSE;
}

bool CopyFolderFiles(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!CreateFolders(to)) {
        return false;
    }
    const std::vector<Entry> entries = EntriesOf(from);
    bool copied = !entries.empty();
    for (const Entry& entry : entries) {
        if (!entry.folder) {
            copied = CopyOneFile(from / entry.name, to / entry.name) && copied;
        }
    }
    return copied;
}

bool RemoveFile(const std::filesystem::path& file) {
    return ::DeleteFileW(Extended(file).c_str()) != FALSE;
}

bool RemoveTree(const std::filesystem::path& folder) {
    for (const Entry& entry : EntriesOf(folder)) {
        if (entry.folder) {
            RemoveTree(folder / entry.name);
        } else {
            RemoveFile(folder / entry.name);
        }
    }
    ::RemoveDirectoryW(Extended(folder).c_str());
    return ::GetFileAttributesW(Extended(folder).c_str()) == INVALID_FILE_ATTRIBUTES;
}

} // namespace e2e
