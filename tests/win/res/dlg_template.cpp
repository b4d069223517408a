#include "dlg_template.h"

#include <cstring>

namespace {

// Little-endian reads that fail instead of running past the end.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <typename T> bool Read(T& value) {
        if (size_ - pos_ < sizeof(T)) {
            return false;
        }
        std::memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return true;
    }

    bool ReadString(std::string& text) {
        text.clear();
        for (;;) {
            uint16_t ch = 0;
            if (!Read(ch)) {
                return false;
            }
            if (ch == 0) {
                return true;
            }
            text.push_back(ch < 0x80 ? static_cast<char>(ch) : '?');
        }
    }

    bool ReadNameOrOrdinal(NameOrOrdinal& field) {
        uint16_t first = 0;
        if (!Read(first)) {
            return false;
        }
        if (first == 0xFFFF) {
            field.isOrdinal = true;
            return Read(field.ordinal);
        }
        if (first == 0) {
            return true;
        }
        pos_ -= sizeof(first);
        return ReadString(field.text);
    }

    bool AlignTo4() {
        size_t aligned = (pos_ + 3) & ~size_t{3};
        if (aligned > size_) {
            return false;
        }
        pos_ = aligned;
        return true;
    }

    bool Skip(size_t count) {
        if (size_ - pos_ < count) {
            return false;
        }
        pos_ += count;
        return true;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

bool ReadItem(Reader& in, DialogItem& item) {
    return in.AlignTo4() && in.Read(item.helpId) && in.Read(item.exStyle) && in.Read(item.style) &&
           in.Read(item.x) && in.Read(item.y) && in.Read(item.cx) && in.Read(item.cy) &&
           in.Read(item.id) && in.ReadNameOrOrdinal(item.windowClass) &&
           in.ReadNameOrOrdinal(item.title) && in.Read(item.extraCount) && in.Skip(item.extraCount);
}

} // namespace

std::optional<DialogTemplate> ParseDialogTemplateEx(const uint8_t* data, size_t size) {
    Reader in(data, size);
    DialogTemplate dlg;
    uint16_t count = 0;
    if (!(in.Read(dlg.version) && in.Read(dlg.signature) && dlg.version == 1 &&
          dlg.signature == 0xFFFF && in.Read(dlg.helpId) && in.Read(dlg.exStyle) &&
          in.Read(dlg.style) && in.Read(count) && in.Read(dlg.x) && in.Read(dlg.y) &&
          in.Read(dlg.cx) && in.Read(dlg.cy) && in.ReadNameOrOrdinal(dlg.menu) &&
          in.ReadNameOrOrdinal(dlg.windowClass) && in.ReadString(dlg.title))) {
        return std::nullopt;
    }
    // DS_SETFONT: the font entry follows the title.
    if ((dlg.style & 0x40) != 0 &&
        !(in.Read(dlg.pointSize) && in.Read(dlg.weight) && in.Read(dlg.italic) &&
          in.Read(dlg.charset) && in.ReadString(dlg.typeface))) {
        return std::nullopt;
    }
    dlg.items.resize(count);
    for (DialogItem& item : dlg.items) {
        if (!ReadItem(in, item)) {
            return std::nullopt;
        }
    }
    return dlg;
}
