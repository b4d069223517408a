#include "dialog_fixture.h"

namespace {

using ButtonMessagesTest = ButtonDialogTest;

UINT ButtonType(HWND button) {
    return static_cast<UINT>(::GetWindowLongPtrA(button, GWL_STYLE)) & BS_TYPEMASK;
}

// Presses and releases the left button over the middle of a control, as the mouse would.
void Click(HWND button, UINT pressMessage = WM_LBUTTONDOWN) {
    const LPARAM at = MAKELPARAM(10, 10);
    ::SendMessageA(button, pressMessage, MK_LBUTTON, at);
    ::SendMessageA(button, WM_LBUTTONUP, 0, at);
}

TEST_F(ButtonMessagesTest, AttachingMakesEveryControlOwnerDrawnAndReadsItsType) {
    EXPECT_EQ(ButtonType(dialog.flatButton), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(ButtonType(dialog.checkButton), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(ButtonType(dialog.defaultButton), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_NE(::GetWindowLongPtrA(dialog.flatButton, GWL_STYLE) & BS_ICON, 0)
        << "other style bits stay";
    EXPECT_FALSE(dialog.flatButton.isCheckBox);
    EXPECT_FALSE(dialog.flatButton.isDefault);
    EXPECT_TRUE(dialog.checkButton.isCheckBox);
    EXPECT_TRUE(dialog.defaultButton.isDefault);
}

TEST_F(ButtonMessagesTest, SetCheckInCheckBoxMode) {
    const HWND check = dialog.checkButton;
    const LRESULT expected[] = {BST_UNCHECKED, BST_CHECKED, BST_CHECKED, BST_UNCHECKED};
    for (WPARAM state = 0; state < 4; ++state) {
        // Start from the opposite state so that each value has something to change.
        dialog.checkButton.checkState = expected[state] == BST_CHECKED ? FALSE : TRUE;
        EXPECT_EQ(::SendMessageA(check, BM_SETCHECK, state, 0), 0);
        EXPECT_EQ(::SendMessageA(check, BM_GETCHECK, 0, 0), expected[state]) << "state " << state;
    }
}

TEST_F(ButtonMessagesTest, SetCheckOutsideCheckBoxModeChangesNothing) {
    const HWND push = dialog.flatButton;
    for (WPARAM state = 0; state < 4; ++state) {
        EXPECT_EQ(::SendMessageA(push, BM_SETCHECK, state, 0), 0);
        EXPECT_EQ(::SendMessageA(push, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "state " << state;
    }
}

TEST_F(ButtonMessagesTest, SetStyleMovesTheDefaultFlagButStaysOwnerDrawn) {
    const HWND push = dialog.flatButton;
    EXPECT_NE(::SendMessageA(push, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON, 0);
    EXPECT_EQ(::SendMessageA(push, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);

    ::SendMessageA(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_NE(::SendMessageA(push, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
    EXPECT_EQ(ButtonType(push), static_cast<UINT>(BS_OWNERDRAW));

    ::SendMessageA(push, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_NE(::SendMessageA(push, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON, 0);
    EXPECT_EQ(::SendMessageA(push, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
    EXPECT_EQ(ButtonType(push), static_cast<UINT>(BS_OWNERDRAW));

    EXPECT_NE(::SendMessageA(dialog.defaultButton, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
}

TEST_F(ButtonMessagesTest, DisablingMovesTheFocusToTheNextTabStop) {
    ::SetFocus(dialog.flatButton);
    ASSERT_EQ(::GetFocus(), dialog.flatButton.GetSafeHwnd());
    ::EnableWindow(dialog.flatButton, FALSE);
    EXPECT_EQ(::GetFocus(), dialog.secondButton.GetSafeHwnd());
}

TEST_F(ButtonMessagesTest, DisablingTheLastTabStopMovesTheFocusToTheParent) {
    ::EnableWindow(dialog.secondButton, FALSE);
    ::EnableWindow(dialog.checkButton, FALSE);
    ::EnableWindow(dialog.defaultButton, FALSE);
    ::SetFocus(dialog.flatButton);
    ASSERT_EQ(::GetFocus(), dialog.flatButton.GetSafeHwnd());
    ::EnableWindow(dialog.flatButton, FALSE);
    EXPECT_EQ(::GetFocus(), dialog.GetSafeHwnd());
}

TEST_F(ButtonMessagesTest, DisablingMovesTheFocusEvenFromElsewhere) {
    ::SetFocus(dialog.checkButton);
    ::EnableWindow(dialog.flatButton, FALSE);
    EXPECT_EQ(::GetFocus(), dialog.secondButton.GetSafeHwnd());
}

TEST_F(ButtonMessagesTest, ClickTakesTheFocusAndReachesTheParent) {
    ::SetFocus(dialog.secondButton);
    Click(dialog.flatButton);
    PumpPending();
    EXPECT_EQ(::GetFocus(), dialog.flatButton.GetSafeHwnd());
    EXPECT_EQ(dialog.clicks[IDC_FLAT_BUTTON], 1);
}

TEST_F(ButtonMessagesTest, DoubleClickGivesTheParentTwoClicks) {
    Click(dialog.flatButton);
    Click(dialog.flatButton, WM_LBUTTONDBLCLK);
    PumpPending();
    EXPECT_EQ(dialog.clicks[IDC_FLAT_BUTTON], 2);
}

TEST_F(ButtonMessagesTest, CheckBoxClickTogglesAndStillReachesTheParent) {
    const HWND check = dialog.checkButton;
    Click(check);
    PumpPending();
    EXPECT_EQ(::SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(dialog.clicks[IDC_CHECK_BUTTON], 1);
    Click(check);
    PumpPending();
    EXPECT_EQ(::SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(dialog.clicks[IDC_CHECK_BUTTON], 2);
}

TEST_F(ButtonMessagesTest, ReflectedControlColourAsksForNoBackground) {
    const HDC dc = ::GetDC(dialog.flatButton);
    const LRESULT brush = ::SendMessageA(dialog, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(dialog.flatButton.GetSafeHwnd()));
    ::ReleaseDC(dialog.flatButton, dc);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
}

TEST_F(ButtonMessagesTest, OwnCursorIsSetOverTheButton) {
    const HCURSOR cursor =
        ::CreateCursor(nullptr, 0, 0, 32, 32, std::vector<BYTE>(128, 0xFF).data(),
                       std::vector<BYTE>(128, 0).data());
    ASSERT_NE(cursor, nullptr);
    dialog.flatButton.SetCursor(cursor);
    const LRESULT handled = ::SendMessageA(
        dialog.flatButton, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.flatButton.GetSafeHwnd()),
        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(handled, TRUE);
    EXPECT_EQ(::GetCursor(), cursor);
}

TEST_F(ButtonMessagesTest, ToolTipIsMadeOnceInactiveAndNeverShown) {
    SkinButtonProbe& button = dialog.flatButton;
    EXPECT_EQ(button.toolTip.GetSafeHwnd(), nullptr);
    // Messages that a tooltip ignores do not make one.
    for (UINT message : {WM_PAINT, WM_TIMER, WM_KEYDOWN, WM_SETFOCUS}) {
        MSG other{button, message, 0, 0, ::GetTickCount(), {}};
        EXPECT_FALSE(button.PreTranslateMessage(&other));
    }
    EXPECT_EQ(button.toolTip.GetSafeHwnd(), nullptr);

    MSG msg{button,
            WM_MOUSEMOVE,
            0,
            MAKELPARAM(10, 10),
            ::GetTickCount(),
            button_test::CentreOf(button)};
    EXPECT_FALSE(button.PreTranslateMessage(&msg));
    const HWND tip = button.toolTip.GetSafeHwnd();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(::SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 400);
    EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 0);

    for (int i = 0; i < 5; ++i) {
        button.PreTranslateMessage(&msg);
        PumpPending();
    }
    EXPECT_EQ(button.toolTip.GetSafeHwnd(), tip) << "made once";
    EXPECT_FALSE(::IsWindowVisible(tip));
}

TEST_F(ButtonMessagesTest, ToolTipIsMadeAgainWhenTheDialogIsMadeAgain) {
    SkinButtonProbe& button = dialog.flatButton;
    MSG msg{button,
            WM_MOUSEMOVE,
            0,
            MAKELPARAM(10, 10),
            ::GetTickCount(),
            button_test::CentreOf(button)};
    button.PreTranslateMessage(&msg);
    const HWND firstTip = button.toolTip.GetSafeHwnd();
    ASSERT_NE(firstTip, nullptr);

    // The same dialog object shown a second time, as a modal dialog's object is.
    ASSERT_TRUE(dialog.DestroyWindow());
    EXPECT_FALSE(::IsWindow(firstTip)) << "the tooltip went with the dialog that owned it";
    ASSERT_TRUE(dialog.Open());
    msg.hwnd = button;
    button.PreTranslateMessage(&msg);
    EXPECT_TRUE(::IsWindow(button.toolTip.GetSafeHwnd()));
    EXPECT_EQ(::GetWindow(button.toolTip.GetSafeHwnd(), GW_OWNER), dialog.GetSafeHwnd());
}

} // namespace
