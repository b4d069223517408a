// Objects that hold a handle without subclassing it: the tooltip control and the menu.
#include "framework/dialog.h"
#include "framework/menu.h"
#include "framework/tooltip.h"
#include "test_resources.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

TEST(ToolTip, IsAToolTipWindowOwnedByTheParentsWindowAndGoesWithItsObject) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    HWND tip = nullptr;
    {
        CToolTipCtrl toolTip;
        ASSERT_TRUE(toolTip.Create(&dialog));
        tip = toolTip.m_hWnd;
        EXPECT_EQ(ClassOf(tip), TOOLTIPS_CLASSA);
        EXPECT_EQ(::GetWindow(tip, GW_OWNER), dialog.m_hWnd);
        EXPECT_EQ(CWnd::FromHandlePermanent(tip), &toolTip);
        // Subclassed, so that its window's end reaches the object whoever destroys it.
        EXPECT_EQ(::GetWindowLongPtrA(tip, GWLP_WNDPROC),
                  reinterpret_cast<LONG_PTR>(&FrameworkWndProc));
        EXPECT_FALSE(toolTip.Create(&dialog)); // one window per object

        toolTip.SetMaxTipWidth(400);
        EXPECT_EQ(toolTip.SendMessage(TTM_GETMAXTIPWIDTH), 400);
        toolTip.Activate(FALSE);
        MSG relayed{dialog.m_hWnd, WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
        toolTip.RelayEvent(&relayed);
    }
    EXPECT_FALSE(::IsWindow(tip));
    EXPECT_EQ(CWnd::FromHandlePermanent(tip), nullptr);
}

TEST(ToolTip, AControlAsParentGivesItsTopLevelWindowAsOwner) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    CWnd button;
    ASSERT_TRUE(button.SubclassDlgItem(IDC_PUSH, &dialog));
    CToolTipCtrl toolTip;
    ASSERT_TRUE(toolTip.Create(&button));
    EXPECT_EQ(::GetAncestor(::GetWindow(toolTip.m_hWnd, GW_OWNER), GA_ROOT), dialog.m_hWnd);
}

TEST(ToolTip, AToolTipWhoseOwnerWentFirstIsLetGoWithItsObject) {
    HWND tip = nullptr;
    {
        CDialog dialog;
        ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
        CToolTipCtrl toolTip;
        ASSERT_TRUE(toolTip.Create(&dialog));
        tip = toolTip.m_hWnd;
        ASSERT_TRUE(dialog.DestroyWindow()); // owned windows go with their owner
        EXPECT_FALSE(::IsWindow(tip));
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(tip), nullptr);
}

TEST(ToolTip, AnOwnerDestroyedFirstFreesTheObjectForANewToolTipAtOnce) {
    CToolTipCtrl toolTip;
    CDialog first;
    ASSERT_TRUE(first.Create(IDD_HIDDEN_DIALOG));
    ASSERT_TRUE(toolTip.Create(&first));
    const HWND tip = toolTip.m_hWnd;
    ASSERT_TRUE(first.DestroyWindow());

    // The object lives on: it must not keep the dead handle, nor the map an entry for it.
    EXPECT_EQ(toolTip.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(tip), nullptr);

    CDialog second;
    ASSERT_TRUE(second.Create(IDD_HIDDEN_DIALOG));
    ASSERT_TRUE(toolTip.Create(&second));
    EXPECT_TRUE(::IsWindow(toolTip.m_hWnd));
    EXPECT_EQ(::GetWindow(toolTip.m_hWnd, GW_OWNER), second.m_hWnd);
}

TEST(Menu, AnAttachedMenuIsMappedAndDestroyedWithItsObject) {
    HMENU destroyed = nullptr;
    HMENU detached = nullptr;
    {
        CMenu owner;
        ASSERT_TRUE(owner.CreatePopupMenu());
        destroyed = owner;
        EXPECT_EQ(CMenu::FromHandlePermanent(destroyed), &owner);
        EXPECT_FALSE(owner.CreatePopupMenu()); // one menu per object

        CMenu other;
        EXPECT_FALSE(other.Attach(destroyed)); // one object per menu
        ASSERT_TRUE(other.CreateMenu());
        detached = other.Detach();
        EXPECT_EQ(other.m_hMenu, nullptr);
        EXPECT_EQ(CMenu::FromHandlePermanent(detached), nullptr);
    }
    EXPECT_FALSE(::IsMenu(destroyed));
    EXPECT_EQ(CMenu::FromHandlePermanent(destroyed), nullptr);
    ASSERT_TRUE(::IsMenu(detached));
    ::DestroyMenu(detached);

    CMenu empty;
    EXPECT_FALSE(empty.DestroyMenu());
    EXPECT_FALSE(empty.Attach(reinterpret_cast<HMENU>(0x4321))); // not a menu
}

} // namespace
