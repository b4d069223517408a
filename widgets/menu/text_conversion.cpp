#include "widgets/menu/text_conversion.h"

#include <windows.h>

#include <vector>

std::wstring NarrowToWide(const char* text) {
    if (text == nullptr) {
        return {};
    }
    const int units = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (units <= 0) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(units));
    if (::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, buffer.data(), units) == 0) {
        return {};
    }
    return std::wstring(buffer.data());
}

std::string WideToNarrow(const std::wstring& text) {
    // Twice the length covers every double-byte code page, plus the terminator.
    std::vector<char> buffer(text.size() * 2 + 2);
    if (::WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, buffer.data(),
                              static_cast<int>(buffer.size()), nullptr, nullptr) == 0) {
        return {};
    }
    return std::string(buffer.data());
}
