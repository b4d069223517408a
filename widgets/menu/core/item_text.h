#pragma once
#include <optional>
#include <string_view>

// An item text split at its tabs: the label before the first tab, the accelerator text after the
// last one (none without a tab); anything between two tabs is not shown.
template <typename Char> struct ItemTextParts {
    std::basic_string_view<Char> label;
    std::optional<std::basic_string_view<Char>> accelerator;
};

template <typename Char> ItemTextParts<Char> SplitItemText(std::basic_string_view<Char> text) {
    const auto first = text.find(Char('\t'));
    if (first == std::basic_string_view<Char>::npos) {
        return {text, std::nullopt};
    }
    const auto last = text.rfind(Char('\t'));
    return {text.substr(0, first), text.substr(last + 1)};
}
