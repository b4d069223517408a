#include "widgets/menu/menu_strings.h"

#include <vector>

std::string MenuStringAt(HMENU menu, int position) {
    const int length =
        ::GetMenuStringA(menu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int copied = ::GetMenuStringA(menu, static_cast<UINT>(position), buffer.data(),
                                        static_cast<int>(buffer.size()), MF_BYPOSITION);
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

std::string LowerCase(std::string text) {
    if (!text.empty()) {
        ::CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}
