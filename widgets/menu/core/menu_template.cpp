#include "widgets/menu/core/menu_template.h"

namespace {

// Little-endian reader that never passes the end of its bytes.
class WordReader {
public:
    explicit WordReader(std::span<const std::byte> bytes) : bytes_(bytes) {}

    bool Seek(std::size_t offset) {
        if (offset > bytes_.size()) {
            return false;
        }
        at_ = offset;
        return true;
    }

    bool Read(std::uint16_t& word) {
        if (bytes_.size() - at_ < 2) {
            return false;
        }
        word = static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes_[at_]) |
                                          (std::to_integer<unsigned>(bytes_[at_ + 1]) << 8));
        at_ += 2;
        return true;
    }

    bool ReadText(std::u16string& text) {
        text.clear();
        for (std::uint16_t unit = 0;;) {
            if (!Read(unit)) {
                return false;
            }
            if (unit == 0) {
                return true;
            }
            text.push_back(static_cast<char16_t>(unit));
        }
    }

private:
    std::span<const std::byte> bytes_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(std::span<const std::byte> bytes) {
    WordReader reader(bytes);
    std::uint16_t version = 0;
    std::uint16_t offset = 0;
    if (!reader.Read(version) || !reader.Read(offset) || !reader.Seek(4 + std::size_t{offset})) {
        return std::nullopt;
    }

    // One end mark per open level; the outermost is the menu bar itself.
    std::vector<bool> endMarks{false};
    std::vector<MenuTemplateItem> items;
    while (!endMarks.empty()) {
        MenuTemplateItem item;
        if (!reader.Read(item.option)) {
            return std::nullopt;
        }
        if (!item.IsPopup() && !reader.Read(item.id)) {
            return std::nullopt;
        }
        if (!reader.ReadText(item.text)) {
            return std::nullopt;
        }
        if ((item.option & MenuTemplateItem::kEnd) != 0) {
            endMarks.back() = true; // for a pop-up: its parent's level ends after it
        }
        if (item.IsPopup()) {
            endMarks.push_back(false);
        } else {
            while (!endMarks.empty() && endMarks.back()) {
                endMarks.pop_back();
                ++item.levelsClosed;
            }
        }
        items.push_back(std::move(item));
    }
    return items;
}
