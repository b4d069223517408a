#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One item of a standard menu template, in template order.
struct MenuTemplateItem {
    std::uint16_t option = 0; // MF_ bits as stored, MF_END included
    std::uint16_t id = 0;     // command id; 0 for a pop-up item (which stores none)
    std::u16string text;
    // Levels that are complete after this item, innermost first: the menu being filled ends,
    // then possibly its parents. Always 0 for a pop-up item, whose own items follow it.
    int levelsClosed = 0;

    bool IsPopup() const { return (option & kPopup) != 0; }
    // The flags the item is appended with: the option without the end mark.
    std::uint16_t Flags() const { return static_cast<std::uint16_t>(option & ~kEnd); }

    static constexpr std::uint16_t kPopup = 0x10;
    static constexpr std::uint16_t kEnd = 0x80;
};

// Walks a standard menu template (header of version and offset words, then the items; MF_END
// closes a level) until the outermost level ends. Nothing outside the bytes is read: a template
// that is truncated, or whose levels never all close, yields nothing.
std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(std::span<const std::byte> bytes);
