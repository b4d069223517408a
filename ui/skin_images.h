#pragma once
#include <windows.h>

#include <string>

// Skin files are read at the size the file gives, never scaled to a standard size, through the
// wide file API from a UTF-8 path. Both return null when the file is missing or unreadable; the
// caller owns what they return.
HICON LoadSkinIcon(const std::string& path);
HBITMAP LoadSkinBitmap(const std::string& path);
