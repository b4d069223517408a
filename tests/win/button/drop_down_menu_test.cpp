#include "dialog_fixture.h"

namespace {

class DropDownMenuTest : public ButtonDialogTest {
protected:
    void SetUp() override {
        ButtonDialogTest::SetUp();
        ASSERT_TRUE(dialog.flatButton.SetMenu(IDR_BUTTON_MENU, dialog));
        subMenu_ = ::GetSubMenu(dialog.flatButton.menu.GetSafeHmenu(), 0);
        ASSERT_NE(subMenu_, nullptr);
    }

    HMENU subMenu_ = nullptr;
};

// Runs inside the menu's own loop: notes the button's state and picks the second item by keys.
SkinButtonProbe* g_menuButton = nullptr;
bool g_pushedWhileOpen = false;

void CALLBACK ChooseSecondItem(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    g_pushedWhileOpen = g_menuButton->menuPushed != FALSE;
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
        ::PostMessageA(*g_menuButton, WM_KEYDOWN, key, 0);
    }
}

TEST_F(DropDownMenuTest, ClickOpensTheMenuAndPostsTheChosenCommandToTheTarget) {
    SkinButtonProbe& button = dialog.flatButton;
    g_menuButton = &button;
    g_pushedWhileOpen = false;
    ::SetTimer(nullptr, 0, 50, ChooseSecondItem);

    ::SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(g_pushedWhileOpen) << "drawn pressed while the menu is open";
    EXPECT_FALSE(button.menuPushed);
    EXPECT_EQ(dialog.commands[ID_MENU_SECOND], 0) << "posted, not sent";

    PumpPending();
    EXPECT_EQ(dialog.commands[ID_MENU_SECOND], 1);
    EXPECT_EQ(dialog.commands[ID_MENU_FIRST], 0);
    EXPECT_EQ(dialog.clicks[IDC_FLAT_BUTTON], 1) << "the click still reaches the parent";
}

TEST_F(DropDownMenuTest, MenuCharOfAKnownMenuIsAnsweredByTheMenu) {
    const LRESULT known = ::SendMessageA(dialog.flatButton, WM_MENUCHAR, MAKEWPARAM('s', MF_POPUP),
                                         reinterpret_cast<LPARAM>(subMenu_));
    EXPECT_EQ(known, MAKELRESULT(1, MNC_EXECUTE));

    const HMENU stranger = ::CreatePopupMenu();
    ::AppendMenuA(stranger, MF_STRING, ID_MENU_SECOND, "&Second");
    const LRESULT unknown =
        ::SendMessageA(dialog.flatButton, WM_MENUCHAR, MAKEWPARAM('s', MF_POPUP),
                       reinterpret_cast<LPARAM>(stranger));
    EXPECT_EQ(HIWORD(unknown), MNC_IGNORE) << "a menu we did not make gets the default answer";
    ::DestroyMenu(stranger);
}

TEST_F(DropDownMenuTest, ItemOpeningAKnownSubMenuIsMeasuredByTheMenu) {
    SkinButtonProbe& button = dialog.flatButton;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    ASSERT_TRUE(::GetMenuItemInfoA(button.menu.GetSafeHmenu(), 0, TRUE, &info));

    MEASUREITEMSTRUCT asked{};
    asked.CtlType = ODT_MENU;
    asked.itemID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(subMenu_));
    asked.itemData = info.dwItemData;
    MEASUREITEMSTRUCT direct = asked;
    button.menu.MeasureItem(&direct);
    ASSERT_GT(direct.itemWidth, 0u);

    ::SendMessageA(button, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&asked));
    EXPECT_EQ(asked.itemWidth, direct.itemWidth);
    EXPECT_EQ(asked.itemHeight, direct.itemHeight);
}

} // namespace
