#include "menu_test_support.h"
#include "widgets/menu/menu_font.h"
#include "widgets/menu/owner_draw_menu.h"

#include "framework/gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const wchar_t kText[] = L"&Open file\tCtrl+O";

// Width of the item text as an independent measure: with the menu font, or with the context's
// own font.
LONG TextWidth(bool withMenuFont) {
    HDC dc = ::GetDC(::GetDesktopWindow());
    CFont font;
    CreateMenuFont(font);
    HGDIOBJ previous = withMenuFont ? ::SelectObject(dc, font) : nullptr;
    SIZE size{};
    ::GetTextExtentPoint32W(dc, kText, static_cast<int>(std::wstring(kText).size()), &size);
    if (previous != nullptr) {
        ::SelectObject(dc, previous);
    }
    ::ReleaseDC(::GetDesktopWindow(), dc);
    return size.cx;
}

struct Measured {
    UINT itemWidth;
    UINT itemHeight;
    UINT separatorWidth;
    UINT separatorHeight;
};

Measured MeasureBoth() {
    COwnerDrawMenu menu;
    menu.CreatePopupMenu();
    menu.AddItem(0, 1, kText);
    menu.AddItem(0, 0, nullptr);
    MEASUREITEMSTRUCT item{ODT_MENU, 0, 1,
                           0,        0, reinterpret_cast<ULONG_PTR>(menu.Records()[0].get())};
    MEASUREITEMSTRUCT separator{ODT_MENU, 0, 0,
                                0,        0, reinterpret_cast<ULONG_PTR>(menu.Records()[1].get())};
    separator.itemWidth = 99;
    menu.MeasureItem(&item);
    menu.MeasureItem(&separator);
    return {item.itemWidth, item.itemHeight, separator.itemWidth, separator.itemHeight};
}

const int kMenuHeight = ::GetSystemMetrics(SM_CYMENU);

TEST(MenuMeasure, ClassicLookOnCurrentSystems) {
    ScopedLook look(1, false);
    const Measured m = MeasureBoth();
    EXPECT_EQ(m.itemWidth, UINT(TextWidth(false) + 33));
    EXPECT_EQ(m.itemHeight, UINT(std::max(kMenuHeight, 19)));
    EXPECT_EQ(m.separatorWidth, 0u);
    EXPECT_EQ(m.separatorHeight, UINT(std::max(kMenuHeight / 2, 9)));
}

TEST(MenuMeasure, XpLook) {
    ScopedLook look(7, false);
    const Measured m = MeasureBoth();
    EXPECT_EQ(m.itemWidth, UINT(TextWidth(true) + 31));
    EXPECT_EQ(m.itemHeight, UINT(std::max(kMenuHeight, 22)));
    EXPECT_EQ(m.separatorWidth, 0u);
    EXPECT_EQ(m.separatorHeight, UINT(std::max(kMenuHeight / 2, 11)));
}

TEST(MenuMeasure, XpWithTheClassicThemeMeasuresClassicWithTheMenuFont) {
    ScopedLook look(7, true);
    const Measured m = MeasureBoth();
    EXPECT_EQ(m.itemWidth, UINT(TextWidth(true) + 33));
    EXPECT_EQ(m.itemHeight, UINT(std::max(kMenuHeight, 19)));
}

TEST(MenuMeasure, RequestsWithoutARecordAreLeftAlone) {
    COwnerDrawMenu menu;
    MEASUREITEMSTRUCT item{ODT_MENU, 0, 1, 123, 45, 0};
    menu.MeasureItem(&item);
    menu.MeasureItem(nullptr);
    EXPECT_EQ(item.itemWidth, 123u);
    EXPECT_EQ(item.itemHeight, 45u);
}

TEST(MenuFont, NonClientMetricsAreReadAndGiveTheMenuFont) {
    NONCLIENTMETRICSW metrics;
    ASSERT_TRUE(ReadNonClientMetrics(metrics));
    EXPECT_GT(metrics.iMenuHeight, 0);
    const LOGFONTW font = MenuFontDescription(&metrics);
    EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(metrics.lfMenuFont.lfFaceName));
    EXPECT_EQ(font.lfHeight, metrics.lfMenuFont.lfHeight);
}

TEST(MenuFont, WithoutMetricsTheStockGuiFontIsUsed) {
    LOGFONTW stock{};
    ASSERT_NE(::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock), 0);
    const LOGFONTW font = MenuFontDescription(nullptr);
    EXPECT_FALSE(std::wstring(font.lfFaceName).empty());
    EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(stock.lfFaceName));
    EXPECT_EQ(font.lfHeight, stock.lfHeight);
}

} // namespace
