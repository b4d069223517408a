#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The skin folder beside the executable, chosen by the system default language; no trailing
// backslash, since every skin file name begins with one.
std::string SkinFolderFor(std::string_view exeFolder, std::uint16_t languageId);

// The main window's background in the skin folder.
inline constexpr char kSkinBackgroundFile[] = "\\0_BG.bmp";
