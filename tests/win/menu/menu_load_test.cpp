#include "menu_test_resources.h"
#include "widgets/menu/menu_class_state.h"
#include "widgets/menu/owner_draw_menu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

COwnerDrawMenu& PopupObject(HMENU handle) {
    auto* menu = dynamic_cast<COwnerDrawMenu*>(CMenu::FromHandlePermanent(handle));
    EXPECT_NE(menu, nullptr);
    return *menu;
}

UINT ItemType(HMENU menu, int position, ULONG_PTR* data = nullptr) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    EXPECT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
    if (data != nullptr) {
        *data = info.dwItemData;
    }
    return info.fType;
}

std::string BarText(HMENU bar, int position) {
    char text[64] = {};
    ::GetMenuStringA(bar, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

TEST(MenuLoad, BuildsOwnerDrawnPopupsUnderAPlainBar) {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.LoadFromResource(IDM_NESTED));
    const HMENU bar = menu.GetSafeHmenu();
    ASSERT_NE(bar, nullptr);

    // The bar's own items are plain strings with their pop-ups; their records stay.
    ASSERT_EQ(::GetMenuItemCount(bar), 2);
    ASSERT_EQ(menu.Records().size(), 2u);
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(ItemType(bar, p) & MFT_OWNERDRAW, 0u) << p;
        EXPECT_EQ(menu.Records()[p]->flags, UINT(MF_BYPOSITION | MF_POPUP)) << p;
    }
    EXPECT_EQ(BarText(bar, 0), "&File");
    EXPECT_EQ(BarText(bar, 1), "&Help");
    const HMENU file = ::GetSubMenu(bar, 0);
    const HMENU help = ::GetSubMenu(bar, 1);
    ASSERT_NE(file, nullptr);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(menu.SubMenus(), (std::vector<HMENU>{file, help}));

    // Inside a pop-up every item, nested pop-ups included, is owner-drawn with its record.
    COwnerDrawMenu& fileMenu = PopupObject(file);
    ASSERT_EQ(::GetMenuItemCount(file), 5);
    ASSERT_EQ(fileMenu.Records().size(), 5u);
    for (int p = 0; p < 5; ++p) {
        ULONG_PTR data = 0;
        EXPECT_NE(ItemType(file, p, &data) & MFT_OWNERDRAW, 0u) << p;
        EXPECT_EQ(data, reinterpret_cast<ULONG_PTR>(fileMenu.Records()[p].get())) << p;
    }
    const auto& records = fileMenu.Records();
    EXPECT_EQ(records[0]->id, 100u);
    EXPECT_EQ(records[0]->flags, UINT(MF_OWNERDRAW));
    EXPECT_EQ(records[2]->id, 0u);
    EXPECT_EQ(records[2]->flags, UINT(MF_SEPARATOR | MF_OWNERDRAW));
    const HMENU recent = ::GetSubMenu(file, 3);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(records[3]->id, reinterpret_cast<UINT_PTR>(recent));
    EXPECT_EQ(records[3]->flags, UINT(MF_POPUP | MF_OWNERDRAW));
    EXPECT_EQ(records[3]->text, L"&Recent");
    // The last item of its level: the end mark is not kept as a flag.
    EXPECT_EQ(records[4]->flags, UINT(MF_GRAYED | MF_OWNERDRAW));
    EXPECT_EQ(records[4]->text, L"E&xit");

    COwnerDrawMenu& recentMenu = PopupObject(recent);
    ASSERT_EQ(recentMenu.Records().size(), 2u);
    EXPECT_EQ(recentMenu.Records()[1]->flags, UINT(MF_CHECKED | MF_OWNERDRAW));
    EXPECT_EQ(recentMenu.Records()[1]->text.substr(0, 5), L"&beta");
    EXPECT_EQ(PopupObject(help).Records().size(), 1u);

    // Accelerator texts survive the column padding.
    const std::wstring open = records[0]->text;
    EXPECT_EQ(open.substr(0, 5), L"&Open");
    EXPECT_EQ(open.substr(open.find(L'\t')), L"\tCtrl+O");
}

TEST(MenuLoad, KnownMenusAreThePopupsUntilTheOwnerIsDestroyed) {
    const size_t knownBefore = MenuClass().knownMenus.size();
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.LoadFromResource(IDM_NESTED));
    const HMENU bar = menu.GetSafeHmenu();
    const HMENU file = ::GetSubMenu(bar, 0);
    const HMENU recent = ::GetSubMenu(file, 3);
    const HMENU help = ::GetSubMenu(bar, 1);

    EXPECT_FALSE(COwnerDrawMenu::IsKnownMenu(bar));
    EXPECT_FALSE(COwnerDrawMenu::IsKnownMenu(&menu));
    EXPECT_TRUE(COwnerDrawMenu::IsKnownMenu(file));
    EXPECT_TRUE(COwnerDrawMenu::IsKnownMenu(recent));
    EXPECT_TRUE(COwnerDrawMenu::IsKnownMenu(help));
    EXPECT_TRUE(COwnerDrawMenu::IsKnownMenu(CMenu::FromHandlePermanent(file)));
    EXPECT_FALSE(COwnerDrawMenu::IsKnownMenu(static_cast<HMENU>(nullptr)));
    EXPECT_FALSE(COwnerDrawMenu::IsKnownMenu(static_cast<const CMenu*>(nullptr)));
    EXPECT_EQ(MenuClass().knownMenus.size(), knownBefore + 3);

    EXPECT_TRUE(menu.DestroyAll());
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
    EXPECT_TRUE(menu.Records().empty());
    EXPECT_TRUE(menu.SubMenus().empty());
    EXPECT_EQ(MenuClass().knownMenus.size(), knownBefore);
    EXPECT_FALSE(COwnerDrawMenu::IsKnownMenu(file));
    EXPECT_FALSE(COwnerDrawMenu::IsKnownMenu(recent));
    EXPECT_EQ(CMenu::FromHandlePermanent(file), nullptr);
    EXPECT_FALSE(::IsMenu(bar));
    // Nothing left to destroy.
    EXPECT_FALSE(menu.DestroyAll());
}

TEST(MenuLoad, ReloadingReplacesEverything) {
    const size_t knownBefore = MenuClass().knownMenus.size();
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.LoadFromResource(IDM_NESTED));
    const HMENU firstBar = menu.GetSafeHmenu();
    ASSERT_TRUE(menu.LoadFromResource("#1"));
    EXPECT_NE(menu.GetSafeHmenu(), nullptr);
    EXPECT_FALSE(::IsMenu(firstBar) && firstBar != menu.GetSafeHmenu());
    EXPECT_EQ(menu.Records().size(), 2u);
    EXPECT_EQ(MenuClass().knownMenus.size(), knownBefore + 3);
}

TEST(MenuLoad, MalformedOrMissingTemplatesFailAndKeepTheMenu) {
    const size_t knownBefore = MenuClass().knownMenus.size();
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.LoadFromResource(IDM_NESTED));
    const HMENU bar = menu.GetSafeHmenu();

    EXPECT_FALSE(menu.LoadFromResource(IDM_TRUNCATED));
    EXPECT_FALSE(menu.LoadFromResource(IDM_NEVER_ENDS));
    EXPECT_FALSE(menu.LoadFromResource(999));
    EXPECT_FALSE(menu.LoadFromResource("NO_SUCH_MENU"));

    EXPECT_EQ(menu.GetSafeHmenu(), bar);
    EXPECT_TRUE(::IsMenu(bar));
    EXPECT_EQ(menu.Records().size(), 2u);
    EXPECT_EQ(MenuClass().knownMenus.size(), knownBefore + 3);

    COwnerDrawMenu empty;
    EXPECT_FALSE(empty.LoadFromResource(IDM_TRUNCATED));
    EXPECT_EQ(empty.GetSafeHmenu(), nullptr);
    EXPECT_EQ(MenuClass().knownMenus.size(), knownBefore + 3);
}

TEST(MenuLoad, PopupsAddedToALoadedBarAreShownAsPlainStringsToo) {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.LoadFromResource(IDM_NESTED));
    CMenu extra;
    ASSERT_TRUE(extra.CreatePopupMenu());
    // The bar destroys the pop-up with itself.
    const HMENU extraHandle = extra.Detach();
    EXPECT_TRUE(menu.AddItem(MF_POPUP, reinterpret_cast<UINT_PTR>(extraHandle), L"&Extra"));

    const HMENU bar = menu.GetSafeHmenu();
    ASSERT_EQ(::GetMenuItemCount(bar), 3);
    EXPECT_EQ(ItemType(bar, 2) & MFT_OWNERDRAW, 0u);
    EXPECT_EQ(BarText(bar, 2), "&Extra");
    EXPECT_EQ(::GetSubMenu(bar, 2), extraHandle);
    EXPECT_EQ(menu.Records()[2]->flags, UINT(MF_BYPOSITION | MF_POPUP));
    EXPECT_EQ(menu.FirstRecordPosition(), 0);
}

TEST(MenuLoad, OnlyTheLowWordOfANumericIdCounts) {
    COwnerDrawMenu menu;
    EXPECT_TRUE(menu.LoadFromResource(0x10000u | IDM_NESTED));
    EXPECT_EQ(menu.Records().size(), 2u);
}

} // namespace
