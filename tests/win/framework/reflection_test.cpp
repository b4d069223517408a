// A child's notifications offered back to the child before the parent: the click, the control
// colour and the owner-draw request of a button, and subclassing through DDX_Control.
#include "framework/button.h"
#include "framework/dc.h"
#include "framework/dialog.h"
#include "test_resources.h"
#include "tests/support/win/pump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kPing = WM_APP + 5;

class ClickChild : public CButton {
public:
    explicit ClickChild(std::vector<std::string>& log) : log_(log) {}
    BOOL handleClick = FALSE;

protected:
    BOOL OnClicked() {
        log_.push_back("child");
        return handleClick;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& log_;
};

BEGIN_MESSAGE_MAP(ClickChild, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &ClickChild::OnClicked)
END_MESSAGE_MAP()

class ClickDialog : public CDialog {
public:
    std::vector<std::string> log;
    ClickChild push{log};

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_PUSH, push); }
    void OnPush() { log.push_back("parent"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ClickDialog, CDialog)
    ON_BN_CLICKED(IDC_PUSH, &ClickDialog::OnPush)
END_MESSAGE_MAP()

TEST(Reflection, AClickReachesTheChildFirstAndThenTheParent) {
    ClickDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SHOWN_DIALOG));

    ::SendMessageA(dialog.push.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"child", "parent"}));
}

TEST(Reflection, AChildThatHandlesTheClickKeepsItFromTheParent) {
    ClickDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SHOWN_DIALOG));
    dialog.push.handleClick = TRUE;

    ::SendMessageA(dialog.push.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"child"}));
}

// Records how it was bound: PreSubclassWindow must run attached but before the procedure is ours.
class BoundButton : public CButton {
public:
    int preSubclassCalls = 0;
    bool mappedAtPreSubclass = false;
    bool subclassedAtPreSubclass = true;
    int pings = 0;

    void PreSubclassWindow() override {
        ++preSubclassCalls;
        mappedAtPreSubclass = FromHandlePermanent(m_hWnd) == this;
        subclassedAtPreSubclass = ::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) ==
                                  reinterpret_cast<LONG_PTR>(&FrameworkWndProc);
    }

protected:
    LRESULT OnPing(WPARAM, LPARAM) {
        ++pings;
        return 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BoundButton, CButton)
    ON_MESSAGE(kPing, &BoundButton::OnPing)
END_MESSAGE_MAP()

class BindingDialog : public CDialog {
public:
    BoundButton push;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_PUSH, push); }
};

TEST(Subclassing, ABoundControlIsSubclassedOnceAndItsMessagesReachTheObject) {
    BindingDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    const HWND control = dialog.GetDlgItem(IDC_PUSH);

    ASSERT_EQ(dialog.push.m_hWnd, control);
    EXPECT_EQ(dialog.push.preSubclassCalls, 1);
    EXPECT_TRUE(dialog.push.mappedAtPreSubclass);
    EXPECT_FALSE(dialog.push.subclassedAtPreSubclass);
    EXPECT_EQ(::GetWindowLongPtrA(control, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&FrameworkWndProc));
    EXPECT_EQ(::SendMessageA(control, kPing, 0, 0), 7);
    EXPECT_EQ(dialog.push.pings, 1);

    dialog.UpdateData(FALSE);
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.push.preSubclassCalls, 1);
}

TEST(Subclassing, ControlsGoneWithTheirDialogAreUnmapped) {
    BindingDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    const HWND window = dialog.m_hWnd;
    const HWND control = dialog.push.m_hWnd;

    ASSERT_TRUE(dialog.DestroyWindow());

    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.push.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(control), nullptr);
}

// A button answering its reflected colour request with its own brush, or declining with null.
class ColorChild : public CButton {
public:
    HBRUSH brush = nullptr;
    std::vector<UINT> types;
    HBRUSH CtlColor(CDC*, UINT ctlType) {
        types.push_back(ctlType);
        return brush;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ColorChild, CButton)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class PlainColorDialog : public CDialog {
public:
    ColorChild push;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_PUSH, push); }
};

LRESULT SendCtlColor(HWND dialog, UINT message, HWND control) {
    const HDC dc = ::GetDC(dialog);
    const LRESULT result = ::SendMessageA(dialog, message, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(control));
    ::ReleaseDC(dialog, dc);
    return result;
}

LRESULT DialogDefault(HWND dialog, UINT message, HWND control) {
    const HDC dc = ::GetDC(dialog);
    const LRESULT result = ::DefDlgProcA(dialog, message, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(control));
    ::ReleaseDC(dialog, dc);
    return result;
}

TEST(ControlColour, TheChildsBrushWinsAndADecliningChildGetsTheDefault) {
    PlainColorDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    CBrush own;
    ASSERT_TRUE(own.CreateSolidBrush(RGB(1, 2, 3)));
    dialog.push.brush = own;

    EXPECT_EQ(SendCtlColor(dialog.m_hWnd, WM_CTLCOLORBTN, dialog.push.m_hWnd),
              reinterpret_cast<LRESULT>(static_cast<HBRUSH>(own)));
    EXPECT_EQ(dialog.push.types, (std::vector<UINT>{CTLCOLOR_BTN}));

    dialog.push.brush = nullptr;
    const LRESULT fallback = SendCtlColor(dialog.m_hWnd, WM_CTLCOLORBTN, dialog.push.m_hWnd);
    EXPECT_NE(fallback, reinterpret_cast<LRESULT>(static_cast<HBRUSH>(own)));
    EXPECT_EQ(fallback, DialogDefault(dialog.m_hWnd, WM_CTLCOLORBTN, dialog.push.m_hWnd));
}

// A parent with its own colour handler: its own background in red, the rest as the base gives.
class ColorDialog : public CDialog {
public:
    ColorChild push;
    CBrush background;
    std::vector<std::pair<CWnd*, UINT>> requests;

    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType) {
        requests.emplace_back(wnd, ctlType);
        const HBRUSH base = CDialog::OnCtlColor(dc, wnd, ctlType);
        return wnd == this ? static_cast<HBRUSH>(background) : base;
    }

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_PUSH, push); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ColorDialog, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(ControlColour, TheParentsHandlerSeesItsOwnRequestAndStillLetsTheChildAnswer) {
    ColorDialog dialog;
    ASSERT_TRUE(dialog.background.CreateSolidBrush(RGB(255, 0, 0)));
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    CBrush childBrush;
    ASSERT_TRUE(childBrush.CreateSolidBrush(RGB(0, 0, 255)));
    dialog.push.brush = childBrush;

    EXPECT_EQ(SendCtlColor(dialog.m_hWnd, WM_CTLCOLORDLG, dialog.m_hWnd),
              reinterpret_cast<LRESULT>(static_cast<HBRUSH>(dialog.background)));
    EXPECT_EQ(SendCtlColor(dialog.m_hWnd, WM_CTLCOLORBTN, dialog.push.m_hWnd),
              reinterpret_cast<LRESULT>(static_cast<HBRUSH>(childBrush)));
    const HWND label = dialog.GetDlgItem(IDC_LABEL);
    EXPECT_EQ(SendCtlColor(dialog.m_hWnd, WM_CTLCOLORSTATIC, label),
              DialogDefault(dialog.m_hWnd, WM_CTLCOLORSTATIC, label));

    using Request = std::pair<CWnd*, UINT>;
    EXPECT_EQ(dialog.requests, (std::vector<Request>{{&dialog, CTLCOLOR_DLG},
                                                     {&dialog.push, CTLCOLOR_BTN},
                                                     {nullptr, CTLCOLOR_STATIC}}));
}

TEST(ControlColour, TheDialogBackgroundIsPaintedWithTheBrushOfItsOwnRequest) {
    ColorDialog dialog;
    ASSERT_TRUE(dialog.background.CreateSolidBrush(RGB(255, 0, 0)));
    ASSERT_TRUE(dialog.Create(IDD_SHOWN_DIALOG));

    // The bottom-left corner of the client area is clear of controls.
    RECT client{};
    dialog.GetClientRect(&client);
    const auto backgroundIsRed = [&] {
        ::RedrawWindow(dialog.m_hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        CClientDC dc(&dialog);
        return dc.GetPixel(2, client.bottom - 3) == RGB(255, 0, 0);
    };
    EXPECT_TRUE(PumpUntil(backgroundIsRed));
    bool sawOwnRequest = false;
    for (const auto& [wnd, type] : dialog.requests) {
        sawOwnRequest = sawOwnRequest || (wnd == &dialog && type == CTLCOLOR_DLG);
    }
    EXPECT_TRUE(sawOwnRequest);
}

} // namespace
