#include "framework/dc.h"
#include "framework/gdi.h"
#include "widgets/menu/core/blend.h"
#include "widgets/menu/core/check_box_position.h"
#include "widgets/menu/core/item_text.h"
#include "widgets/menu/menu_class_state.h"
#include "widgets/menu/menu_font.h"
#include "widgets/menu/menu_mem_dc.h"
#include "widgets/menu/owner_draw_menu.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

constexpr UINT kLabelFormat = DT_SINGLELINE | DT_VCENTER;
constexpr UINT kAcceleratorFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;

// An item shows a dot instead of a tick when it has its own checked-state bitmap.
bool HasCheckedBitmap(const DRAWITEMSTRUCT& item) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_CHECKMARKS;
    const auto menu = reinterpret_cast<HMENU>(item.hwndItem);
    return ::GetMenuItemInfoW(menu, item.itemID, FALSE, &info) && info.hbmpChecked != nullptr;
}

void DrawItemText(CDC& dc, const ItemTextParts<wchar_t>& parts, RECT rect) {
    dc.DrawText(std::wstring(parts.label), &rect, kLabelFormat);
    if (parts.accelerator) {
        dc.DrawText(std::wstring(*parts.accelerator), &rect, kAcceleratorFormat);
    }
}

// The text rectangle starts at textLeft; an accelerator column keeps one image width free.
RECT TextRect(const RECT& item, int textLeft, const ItemTextParts<wchar_t>& parts, int iconWidth) {
    RECT rect{textLeft, item.top - 1, item.right, item.bottom - 1};
    if (parts.accelerator) {
        rect.right -= iconWidth;
    }
    return rect;
}

} // namespace

void COwnerDrawMenu::DrawItem(DRAWITEMSTRUCT* item) {
    if (item == nullptr || item->itemData == 0) {
        return;
    }
    CBorrowedDC dc(item->hDC);
    // A palette display keeps the classic look.
    if ((dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) == 0 && XpLook()) {
        DrawItemXp(item);
    } else {
        DrawItemClassic(item);
    }
}

void COwnerDrawMenu::DrawItemClassic(DRAWITEMSTRUCT* item) {
    const auto& record = *reinterpret_cast<const CMenuItemRecord*>(item->itemData);
    CBorrowedDC dc(item->hDC);
    const RECT& rect = item->rcItem;
    const COLORREF back = ::GetSysColor(XpLook() ? COLOR_BTNFACE : COLOR_MENU);
    CBrush backBrush;
    backBrush.CreateSolidBrush(back);

    if ((record.flags & MF_SEPARATOR) != 0) {
        dc.FillRect(&rect, backBrush);
        RECT line = rect;
        line.top += (rect.bottom - rect.top) >> 1;
        dc.DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        return;
    }

    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const bool grayed = (item->itemState & ODS_GRAYED) != 0;
    const bool checked = (item->itemState & ODS_CHECKED) != 0;
    COLORREF textColor = ::GetSysColor(COLOR_MENUTEXT);
    CBrush highlightBrush;
    highlightBrush.CreateSolidBrush(::GetSysColor(COLOR_HIGHLIGHT));

    if (!selected) {
        dc.FillRect(&rect, backBrush);
        dc.Draw3dRect(&rect, back, back);
    } else {
        // A checked item keeps its box on the menu colour.
        RECT highlight = rect;
        if (checked) {
            highlight.left += iconWidth_ + 5;
        }
        dc.FillRect(&highlight, highlightBrush);
        textColor = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    }

    const int dy = std::max(0, static_cast<int>((rect.bottom - rect.top) - iconHeight_ - 4) / 2);
    if (checked) {
        const RECT box{rect.left + 1, rect.top + dy + 2, rect.left + iconWidth_ + 1,
                       rect.top + dy + iconHeight_ + 2};
        DrawClassicCheckBox(box, dc, selected, HasCheckedBitmap(*item));
    }

    if (record.text.empty()) {
        return;
    }
    const auto parts = SplitItemText(std::wstring_view(record.text));
    const RECT textRect = TextRect(rect, rect.left + iconWidth_ + 9, parts, iconWidth_);
    ScopedBkMode transparent(dc, TRANSPARENT);
    if (grayed && selected) {
        textColor = back;
    } else if (grayed) {
        // Embossed: a light copy one pixel right and down under the gray text.
        RECT shadow = textRect;
        ::OffsetRect(&shadow, 1, 1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawItemText(dc, parts, shadow);
        textColor = ::GetSysColor(COLOR_GRAYTEXT);
    }
    dc.SetTextColor(textColor);
    DrawItemText(dc, parts, textRect);
}

void COwnerDrawMenu::DrawItemXp(DRAWITEMSTRUCT* item) {
    const auto& record = *reinterpret_cast<const CMenuItemRecord*>(item->itemData);
    CBorrowedDC requestDc(item->hDC);
    const RECT& rect = item->rcItem;
    const COLORREF columnColor = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF windowColor = ::GetSysColor(COLOR_WINDOW);
    CBrush columnBrush;
    columnBrush.CreateSolidBrush(columnColor);
    CBrush windowBrush;
    windowBrush.CreateSolidBrush(windowColor);
    const int columnWidth = iconWidth_ + 7;
    const RECT column{rect.left, rect.top, rect.left + columnWidth, rect.bottom};

    const bool grayed = (item->itemState & ODS_GRAYED) != 0;
    // A grayed item is never drawn selected; it is drawn off-screen and copied in one go.
    std::optional<CMenuMemDC> offScreen;
    CFont font;
    std::optional<ScopedSelect> fontSelected;
    if (grayed) {
        item->itemState &= ~static_cast<UINT>(ODS_SELECTED);
        offScreen.emplace(&requestDc, rect);
        CreateMenuFont(font);
        fontSelected.emplace(*offScreen, font);
    }
    CDC& dc = offScreen ? static_cast<CDC&>(*offScreen) : requestDc;

    if ((record.flags & MF_SEPARATOR) != 0) {
        dc.FillRect(&rect, windowBrush);
        RECT line = rect;
        line.top += (rect.bottom - rect.top) / 2;
        line.left = rect.left + columnWidth + 7;
        dc.DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        dc.FillRect(&column, columnBrush);
        dc.Draw3dRect(&column, columnColor, columnColor);
        return;
    }

    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    CBrush selectionBrush;
    selectionBrush.CreateSolidBrush(BlendToWhite(0.7, highlight));
    if (!selected) {
        dc.FillRect(&rect, windowBrush);
        dc.FillRect(&column, columnBrush);
        dc.Draw3dRect(&rect, windowColor, windowColor);
        dc.Draw3dRect(&column, columnColor, columnColor);
    } else {
        dc.FillRect(&rect, selectionBrush);
        dc.Draw3dRect(&rect, highlight, highlight);
    }

    if ((item->itemState & ODS_CHECKED) != 0) {
        const int left = rect.left + CenteredBoxOffset(columnWidth, 16);
        const int top = rect.top + CenteredBoxOffset(rect.bottom - rect.top, 16);
        const RECT box{left, top, left + 16, top + 16};
        DrawXpCheckBox(highlight, box, dc, HasCheckedBitmap(*item));
    }

    if (record.text.empty()) {
        return;
    }
    const auto parts = SplitItemText(std::wstring_view(record.text));
    ScopedBkMode transparent(dc, TRANSPARENT);
    dc.SetTextColor(::GetSysColor(grayed ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
    DrawItemText(dc, parts, TextRect(rect, rect.left + columnWidth + 8, parts, iconWidth_));
}
