#pragma once
#include <string>
#include <string_view>

// The program keeps file paths as UTF-8, which holds every character of a folder name whatever
// the ANSI code page; they become UTF-16 at the wide file APIs.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
