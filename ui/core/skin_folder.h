#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The skin folder beside the executable, chosen by the system default language; no trailing
// backslash (PathInFolder puts one before each file's name).
std::string SkinFolderFor(std::string_view exeFolder, std::uint16_t languageId);
