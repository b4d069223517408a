#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Writes standard menu templates byte by byte, as a resource compiler lays them out.
class TemplateBuilder {
public:
    explicit TemplateBuilder(std::uint16_t offset = 0) {
        Word(0);
        Word(offset);
        bytes_.resize(bytes_.size() + offset);
    }

    TemplateBuilder& Popup(const std::u16string& text, bool end = false) {
        Word(static_cast<std::uint16_t>(0x10 | (end ? 0x80 : 0)));
        return Text(text);
    }
    TemplateBuilder& Item(std::uint16_t id, const std::u16string& text, bool end = false,
                          std::uint16_t flags = 0) {
        Word(static_cast<std::uint16_t>(flags | (end ? 0x80 : 0)));
        Word(id);
        return Text(text);
    }
    TemplateBuilder& Separator(bool end = false) { return Item(0, u"", end); }

    const std::vector<std::byte>& Bytes() const { return bytes_; }

private:
    void Word(std::uint16_t word) {
        bytes_.push_back(static_cast<std::byte>(word & 0xFF));
        bytes_.push_back(static_cast<std::byte>(word >> 8));
    }
    TemplateBuilder& Text(const std::u16string& text) {
        for (char16_t unit : text) {
            Word(static_cast<std::uint16_t>(unit));
        }
        Word(0);
        return *this;
    }

    std::vector<std::byte> bytes_;
};
