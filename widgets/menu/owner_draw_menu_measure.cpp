#include "framework/dc.h"
#include "framework/gdi.h"
#include "widgets/menu/core/item_text.h"
#include "widgets/menu/menu_class_state.h"
#include "widgets/menu/menu_font.h"
#include "widgets/menu/owner_draw_menu.h"
#include "widgets/menu/text_conversion.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

SIZE MeasureWide(CDC& dc, const std::wstring& text) {
    SIZE size{};
    if (MenuClass().osClass == 0) {
        // Win32s has no reliable wide text extent.
        RECT rect{};
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                    DT_SINGLELINE | DT_CALCRECT);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

LONG NarrowWidth(CDC& dc, const std::string& text) {
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

void COwnerDrawMenu::MeasureItem(MEASUREITEMSTRUCT* item) {
    if (item == nullptr || item->itemData == 0) {
        return;
    }
    const auto& record = *reinterpret_cast<const CMenuItemRecord*>(item->itemData);
    const bool xp = XpLook();
    const int pad = xp ? 7 : 4;
    const int menuHeight = ::GetSystemMetrics(SM_CYMENU);
    if ((record.flags & MF_SEPARATOR) != 0) {
        item->itemWidth = 0;
        item->itemHeight = static_cast<UINT>(std::max(menuHeight / 2, (iconHeight_ + pad) / 2));
        return;
    }

    CFont font;
    CreateMenuFont(font);
    CClientDC dc(MeasuringWindow());
    std::optional<ScopedSelect> selected;
    if (MenuClass().osClass >= 2) {
        selected.emplace(dc, font);
    }
    const SIZE text = MeasureWide(dc, record.text);
    const int width = xp ? text.cx + iconWidth_ + pad + 8 : text.cx + 2 * iconWidth_ + 1;
    item->itemWidth = static_cast<UINT>(width);
    item->itemHeight = static_cast<UINT>(std::max(menuHeight, iconHeight_ + pad));
}

void COwnerDrawMenu::PadAccelerators() {
    CFont font;
    CreateMenuFont(font);
    CClientDC dc(MeasuringWindow());
    ScopedSelect selected(dc, font);

    LONG widest = -1;
    for (const auto& record : records_) {
        const std::string text = WideToNarrow(record->text);
        const std::string label(SplitItemText(std::string_view(text)).label);
        widest = std::max(widest, NarrowWidth(dc, label + " "));
    }
    for (auto& record : records_) {
        const std::string text = WideToNarrow(record->text);
        const auto tab = text.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        std::string label = text.substr(0, tab);
        // Stops, too, should a space not widen the label (a font without a space width).
        for (LONG width = NarrowWidth(dc, label); width < widest;) {
            label += ' ';
            const LONG wider = NarrowWidth(dc, label);
            if (wider <= width) {
                break;
            }
            width = wider;
        }
        record->text = NarrowToWide((label + text.substr(tab)).c_str());
    }
}
