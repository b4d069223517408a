#pragma once
#include <filesystem>

// File operations through the wide Win32 calls with extended-length paths, so that they work
// however long the path.
namespace e2e {

bool CreateFolders(const std::filesystem::path& folder);
bool CopyOneFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Copies the files (not subfolders) of one folder into another, which is created.
bool CopyFolderFiles(const std::filesystem::path& from, const std::filesystem::path& to);
bool RemoveFile(const std::filesystem::path& file);
// Removes a folder with everything in it; true when it is gone.
bool RemoveTree(const std::filesystem::path& folder);

} // namespace e2e
