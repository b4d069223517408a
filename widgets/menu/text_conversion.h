#pragma once
#include <string>

// Conversions between item texts (wide) and the program's narrow strings, in the thread's ANSI
// code page. A null input or a failed conversion gives an empty string.
std::wstring NarrowToWide(const char* text);
std::string WideToNarrow(const std::wstring& text);

// The same in a given code page, for callers (and tests) that must not depend on the thread's.
std::wstring NarrowToWide(const char* text, unsigned int code_page);
std::string WideToNarrow(const std::wstring& text, unsigned int code_page);
