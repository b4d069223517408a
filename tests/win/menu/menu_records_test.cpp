#include "widgets/menu/menu_font.h"
#include "widgets/menu/owner_draw_menu.h"

#include "framework/gdi.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ULONG_PTR ItemData(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return info.dwItemData;
}

bool IsOwnerDrawn(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) != 0;
}

TEST(MenuItems, AddItemWithIdZeroIsAlwaysAnOwnerDrawnSeparator) {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(menu.AddItem(MF_CHECKED | MF_GRAYED | MF_BYPOSITION, 0, L"ignored"));
    EXPECT_TRUE(menu.AddItem(MF_CHECKED, 0, nullptr));
    EXPECT_TRUE(menu.AddItem(MF_GRAYED, 7, L"Seven"));
    ASSERT_EQ(menu.Records().size(), 3u);
    EXPECT_EQ(menu.Records()[0]->flags, UINT(MF_SEPARATOR | MF_OWNERDRAW | MF_BYPOSITION));
    EXPECT_EQ(menu.Records()[1]->flags, UINT(MF_SEPARATOR | MF_OWNERDRAW));
    EXPECT_EQ(menu.Records()[2]->flags, UINT(MF_GRAYED | MF_OWNERDRAW));
    EXPECT_NE(::GetMenuState(menu, 0, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    for (int p = 0; p < 3; ++p) {
        EXPECT_TRUE(IsOwnerDrawn(menu, p)) << p;
        EXPECT_EQ(ItemData(menu, p), reinterpret_cast<ULONG_PTR>(menu.Records()[p].get())) << p;
    }
    std::string text = "unchanged";
    EXPECT_TRUE(menu.GetItemText(1, text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(menu.GetItemText(2, text));
    EXPECT_EQ(text, "Seven");
    // Positions outside the records are refused, not read.
    EXPECT_FALSE(menu.GetItemText(3, text));
    EXPECT_FALSE(menu.GetItemText(-1, text));
    EXPECT_EQ(text, "Seven");
}

TEST(MenuItems, HandleMenuCharFindsTheMnemonicOfAPopup) {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AddItem(0, 1, L"&Open");
    menu.AddItem(0, 2, L"Sc&an now\tF7");
    menu.AddItem(0, 3, L"S&ave");
    EXPECT_EQ(COwnerDrawMenu::HandleMenuChar('A', MF_POPUP, &menu), LRESULT(0x20001));
    EXPECT_EQ(COwnerDrawMenu::HandleMenuChar('a', MF_POPUP, &menu), LRESULT(0x20001));
    EXPECT_EQ(COwnerDrawMenu::HandleMenuChar('O', MF_POPUP, &menu), LRESULT(0x20000));
    // A letter of a text that no ampersand precedes does not count.
    EXPECT_EQ(COwnerDrawMenu::HandleMenuChar('N', MF_POPUP, &menu), LRESULT(0));
    EXPECT_EQ(COwnerDrawMenu::HandleMenuChar('Z', MF_POPUP, &menu), LRESULT(0));
    // A menu bar, and a menu of another kind, are not searched.
    EXPECT_EQ(COwnerDrawMenu::HandleMenuChar('A', 0, &menu), LRESULT(0));
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    ::AppendMenuA(plain, MF_STRING, 1, "&a");
    EXPECT_EQ(COwnerDrawMenu::HandleMenuChar('A', MF_POPUP, &plain), LRESULT(0));
    EXPECT_EQ(COwnerDrawMenu::HandleMenuChar('A', MF_POPUP, nullptr), LRESULT(0));
}

TEST(MenuItems, HandleMenuCharResyncsAMenuChangedBehindItsBack) {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AddItem(0, 1, L"&One");
    ::AppendMenuA(menu, MF_STRING, 2, "&Two");
    EXPECT_EQ(COwnerDrawMenu::HandleMenuChar('t', MF_POPUP, &menu), LRESULT(0x20001));
    EXPECT_EQ(menu.Records().size(), 2u);
    EXPECT_TRUE(IsOwnerDrawn(menu, 1));
}

TEST(MenuItems, ResyncMatchesRecordsToTheLiveMenu) {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AddItem(0, 5, L"Five");
    menu.AddItem(0, 0, nullptr);
    menu.AddItem(0, 6, L"Six");
    menu.AddItem(0, 9, L"Nine");
    const CMenuItemRecord* five = menu.Records()[0].get();
    const CMenuItemRecord* separator = menu.Records()[1].get();
    const CMenuItemRecord* six = menu.Records()[2].get();

    // Behind the menu's back: Nine goes, a second item with id 5 and a checked item come.
    ::DeleteMenu(menu, 3, MF_BYPOSITION);
    ::AppendMenuA(menu, MF_STRING, 5, "Five again");
    ::AppendMenuA(menu, MF_STRING | MF_CHECKED, 8, "Eight");
    menu.ResyncRecords();

    const auto& records = menu.Records();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].get(), five);
    EXPECT_EQ(records[1].get(), separator);
    EXPECT_EQ(records[2].get(), six);
    // The second id 5 does not take the first one's record.
    EXPECT_NE(records[3].get(), five);
    EXPECT_EQ(records[3]->id, 5u);
    EXPECT_EQ(records[3]->text, L"Five again");
    EXPECT_NE(records[3]->flags & MF_OWNERDRAW, 0u);
    EXPECT_EQ(records[4]->id, 8u);
    EXPECT_NE(records[4]->flags & MF_CHECKED, 0u);
    EXPECT_EQ(records[0]->text, L"Five");
    for (int p = 0; p < 5; ++p) {
        EXPECT_TRUE(IsOwnerDrawn(menu, p)) << p;
        EXPECT_EQ(ItemData(menu, p), reinterpret_cast<ULONG_PTR>(records[p].get())) << p;
    }
    EXPECT_NE(::GetMenuState(menu, 4, MF_BYPOSITION) & MF_CHECKED, 0u);
}

TEST(MenuItems, ResyncKeepsPopupRecordsAndTakesInNewPopups) {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    CMenu first;
    CMenu second;
    ASSERT_TRUE(first.CreatePopupMenu());
    ASSERT_TRUE(second.CreatePopupMenu());
    menu.AddItem(MF_POPUP, reinterpret_cast<UINT_PTR>(first.Detach()), L"&First");
    const CMenuItemRecord* firstRecord = menu.Records()[0].get();
    ::AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(second.Detach()),
                  "&Second");
    menu.ResyncRecords();
    ASSERT_EQ(menu.Records().size(), 2u);
    EXPECT_EQ(menu.Records()[0].get(), firstRecord);
    EXPECT_EQ(menu.Records()[0]->text, L"&First");
    EXPECT_EQ(menu.Records()[1]->text, L"&Second");
    EXPECT_EQ(menu.Records()[1]->flags & 0xFFFu, UINT(MF_BYPOSITION | MF_OWNERDRAW | MF_POPUP));
    EXPECT_EQ(menu.Records()[1]->id, reinterpret_cast<UINT_PTR>(::GetSubMenu(menu, 1)));
    EXPECT_TRUE(IsOwnerDrawn(menu, 1));
}

TEST(MenuItems, DestroyAllForgetsEveryPopupButDeletesOnlyItsOwn) {
    COwnerDrawMenu parent;
    ASSERT_TRUE(parent.CreatePopupMenu());
    COwnerDrawMenu child;
    ASSERT_TRUE(child.CreatePopupMenu());
    child.AddItem(0, 1, L"Leaf");
    const HMENU childHandle = child.GetSafeHmenu();
    parent.AddItem(MF_POPUP, reinterpret_cast<UINT_PTR>(childHandle), L"&Child");
    parent.AddItem(MF_POPUP, reinterpret_cast<UINT_PTR>(childHandle), L"&Again");
    EXPECT_TRUE(COwnerDrawMenu::IsKnownMenu(childHandle));
    EXPECT_EQ(parent.SubMenus().size(), 2u);

    EXPECT_TRUE(parent.DestroyAll());
    EXPECT_FALSE(COwnerDrawMenu::IsKnownMenu(childHandle));
    // The child object was made by someone else, who still owns it.
    EXPECT_EQ(child.Records().size(), 1u);
    EXPECT_EQ(CMenu::FromHandlePermanent(childHandle), &child);
}

class PadAccelerators : public ::testing::Test {
protected:
    PadAccelerators() : dc_(::GetDC(nullptr)) {
        CreateMenuFont(font_);
        previous_ = ::SelectObject(dc_, font_);
    }
    ~PadAccelerators() override {
        ::SelectObject(dc_, previous_);
        ::ReleaseDC(nullptr, dc_);
    }
    LONG Width(const std::wstring& text) {
        const std::string narrow(text.begin(), text.end());
        SIZE size{};
        ::GetTextExtentPoint32A(dc_, narrow.c_str(), static_cast<int>(narrow.size()), &size);
        return size.cx;
    }

    HDC dc_;
    CFont font_;
    HGDIOBJ previous_;
};

TEST_F(PadAccelerators, AlignsTheAcceleratorColumn) {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AddItem(0, 1, L"Go\tF5");
    menu.AddItem(0, 2, L"A much wider label\tCtrl+W");
    menu.AddItem(0, 3, L"Plain text longer than all the others");
    menu.AddItem(0, 4, L"Two\ttabs\tF2");
    menu.PadAccelerators();

    const auto& records = menu.Records();
    EXPECT_EQ(records[2]->text, L"Plain text longer than all the others");
    const LONG widest = Width(L"Plain text longer than all the others ");
    for (size_t i : {size_t{0}, size_t{1}, size_t{3}}) {
        const std::wstring& text = records[i]->text;
        const std::wstring label = text.substr(0, text.find(L'\t'));
        EXPECT_GE(Width(label), widest) << i;
        // No more spaces than needed.
        EXPECT_LT(Width(label.substr(0, label.size() - 1)), widest) << i;
        EXPECT_EQ(label.back(), L' ') << i;
    }
    EXPECT_EQ(records[0]->text.substr(0, 2), L"Go");
    EXPECT_EQ(records[0]->text.substr(records[0]->text.find(L'\t')), L"\tF5");
    EXPECT_EQ(records[3]->text.substr(records[3]->text.find(L'\t')), L"\ttabs\tF2");
}

TEST_F(PadAccelerators, TheWiderLabelGetsOneSpace) {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AddItem(0, 1, L"Go\tF5");
    menu.AddItem(0, 2, L"A much wider label\tCtrl+W");
    menu.PadAccelerators();
    EXPECT_EQ(menu.Records()[1]->text, L"A much wider label \tCtrl+W");
    const std::wstring& narrow = menu.Records()[0]->text;
    EXPECT_GE(Width(narrow.substr(0, narrow.find(L'\t'))), Width(L"A much wider label "));
}

} // namespace
