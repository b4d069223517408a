// Owner-draw and measure requests: a button's reaches its DrawItem, a menu item's the menu object.
#include "framework/button.h"
#include "framework/dc.h"
#include "framework/dialog.h"
#include "framework/menu.h"
#include "test_resources.h"
#include "tests/support/win/pump.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kFace = RGB(0, 128, 255);

class PaintedButton : public CButton {
public:
    int draws = 0;
    DRAWITEMSTRUCT last{};
    void DrawItem(DRAWITEMSTRUCT* item) override {
        ++draws;
        last = *item;
        CDC dc;
        dc.Attach(item->hDC);
        dc.FillSolidRect(&item->rcItem, kFace);
        dc.Detach();
    }
};

class OwnerDrawDialog : public CDialog {
public:
    PaintedButton owner;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_OWNER_DRAWN, owner); }
};

TEST(OwnerDraw, AnOwnerDrawnButtonPaintsThroughItsDrawItem) {
    OwnerDrawDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SHOWN_DIALOG));
    const auto painted = [&] {
        ::RedrawWindow(dialog.owner.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CClientDC dc(&dialog.owner);
        return dialog.owner.draws > 0 && dc.GetPixel(3, 3) == kFace;
    };
    EXPECT_TRUE(PumpUntil(painted));
    EXPECT_EQ(dialog.owner.last.CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(dialog.owner.last.CtlID, static_cast<UINT>(IDC_OWNER_DRAWN));
    EXPECT_EQ(dialog.owner.last.hwndItem, dialog.owner.m_hWnd);
}

class ProbeMenu : public CMenu {
public:
    std::vector<UINT> drawn;
    std::vector<UINT> measured;
    void DrawItem(DRAWITEMSTRUCT* item) override { drawn.push_back(item->itemID); }
    void MeasureItem(MEASUREITEMSTRUCT* item) override {
        measured.push_back(item->itemID);
        item->itemWidth = 80;
        item->itemHeight = 20;
    }
};

constexpr UINT kItem = 501;
constexpr UINT kOtherItem = 502;

LRESULT SendMenuDraw(HWND owner, HMENU menu, UINT itemId) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = itemId;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = reinterpret_cast<HWND>(menu);
    return ::SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}

void SendMenuMeasure(HWND owner, UINT itemId, ULONG_PTR itemData) {
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = itemId;
    item.itemData = itemData;
    ::SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
}

TEST(OwnerDraw, AMenuItemRequestReachesTheMenuObject) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    ProbeMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(::AppendMenuA(menu, MF_OWNERDRAW, kItem, reinterpret_cast<LPCSTR>(0x11)));

    EXPECT_EQ(SendMenuDraw(dialog.m_hWnd, menu, kItem), TRUE);
    SendMenuMeasure(dialog.m_hWnd, kItem, 0x11);
    EXPECT_EQ(menu.drawn, (std::vector<UINT>{kItem}));
    EXPECT_EQ(menu.measured, (std::vector<UINT>{kItem}));

    // An item that no attached menu holds goes nowhere.
    SendMenuMeasure(dialog.m_hWnd, kOtherItem, 0);
    EXPECT_EQ(menu.measured.size(), 1u);
}

TEST(OwnerDraw, MeasuringPrefersTheMenuWhoseItemCarriesTheData) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    ProbeMenu first;
    ProbeMenu second;
    ASSERT_TRUE(first.CreatePopupMenu());
    ASSERT_TRUE(second.CreatePopupMenu());
    ASSERT_TRUE(::AppendMenuA(first, MF_OWNERDRAW, kItem, reinterpret_cast<LPCSTR>(0x21)));
    ASSERT_TRUE(::AppendMenuA(second, MF_OWNERDRAW, kItem, reinterpret_cast<LPCSTR>(0x22)));

    SendMenuMeasure(dialog.m_hWnd, kItem, 0x22);
    SendMenuMeasure(dialog.m_hWnd, kItem, 0x21);
    EXPECT_EQ(first.measured.size(), 1u);
    EXPECT_EQ(second.measured.size(), 1u);
}

TEST(OwnerDraw, AnItemOfAnUnattachedSubmenuReachesTheMenuThatHoldsIt) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    ProbeMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    const HMENU submenu = ::CreatePopupMenu();
    ASSERT_TRUE(::AppendMenuA(submenu, MF_OWNERDRAW, kItem, nullptr));
    ASSERT_TRUE(::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), "Sub"));

    EXPECT_EQ(SendMenuDraw(dialog.m_hWnd, submenu, kItem), TRUE);
    SendMenuMeasure(dialog.m_hWnd, kItem, 0);
    EXPECT_EQ(menu.drawn, (std::vector<UINT>{kItem}));
    EXPECT_EQ(menu.measured, (std::vector<UINT>{kItem}));
}

// The window system's own requests while a popup menu is open, ended from a timer once drawn.
ProbeMenu* trackedMenu = nullptr;
ULONGLONG trackingDeadline = 0;

void CALLBACK EndMenuWhenDrawn(HWND, UINT, UINT_PTR, DWORD) {
    if (!trackedMenu->drawn.empty() || ::GetTickCount64() > trackingDeadline) {
        ::EndMenu();
    }
}

TEST(OwnerDraw, AnOpenPopupMenuIsMeasuredAndDrawnThroughItsObject) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SHOWN_DIALOG));
    ProbeMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(::AppendMenuA(menu, MF_OWNERDRAW, kItem, reinterpret_cast<LPCSTR>(0x31)));
    ::SetForegroundWindow(dialog.m_hWnd);

    trackedMenu = &menu;
    trackingDeadline = ::GetTickCount64() + 10000;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &EndMenuWhenDrawn);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, 100, 100, 0, dialog.m_hWnd,
                     nullptr);
    ::KillTimer(nullptr, timer);
    trackedMenu = nullptr;

    EXPECT_FALSE(menu.measured.empty());
    EXPECT_FALSE(menu.drawn.empty());
}

} // namespace
