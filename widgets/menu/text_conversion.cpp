#include "widgets/menu/text_conversion.h"

#include <windows.h>

#include <vector>

std::wstring NarrowToWide(const char* text, unsigned int code_page) {
    if (text == nullptr) {
        return {};
    }
    const int units = ::MultiByteToWideChar(code_page, 0, text, -1, nullptr, 0);
    if (units <= 0) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(units));
    if (::MultiByteToWideChar(code_page, 0, text, -1, buffer.data(), units) == 0) {
        return {};
    }
    return std::wstring(buffer.data());
}

std::string WideToNarrow(const std::wstring& text, unsigned int code_page) {
    // A UTF-8 code page takes up to three bytes per UTF-16 unit: ask for the size.
    const int bytes =
        ::WideCharToMultiByte(code_page, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(bytes));
    if (::WideCharToMultiByte(code_page, 0, text.c_str(), -1, buffer.data(), bytes, nullptr,
                              nullptr) == 0) {
        return {};
    }
    return std::string(buffer.data());
}

std::wstring NarrowToWide(const char* text) {
    return NarrowToWide(text, CP_THREAD_ACP);
}

std::string WideToNarrow(const std::wstring& text) {
    return WideToNarrow(text, CP_THREAD_ACP);
}
