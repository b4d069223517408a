// Modal and modeless dialogs: the modal loop and its pre-translation, ending, owners, WM_QUIT,
// and data exchange.
#include "framework/dialog.h"
#include "test_resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT_PTR kStepTimer = 1;
constexpr UINT kStepMs = 20;
// Far more steps than any test needs, so that a broken loop ends the dialog instead of hanging.
constexpr int kMaxSteps = 500;
constexpr INT_PTR kGaveUp = 999;

// A modal dialog driven by a timer: each tick runs Step(); after kMaxSteps it gives up.
class SteppedDialog : public CDialog {
public:
    explicit SteppedDialog(CWnd* parent = nullptr) : CDialog(IDD_SHOWN_DIALOG, parent) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetTimer(kStepTimer, kStepMs);
        return TRUE;
    }
    virtual void Step() = 0;
    void OnTimer(UINT_PTR) {
        if (++steps_ > kMaxSteps) {
            EndDialog(kGaveUp);
            return;
        }
        Step();
    }
    int steps_ = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SteppedDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

void PostKey(HWND hwnd, WPARAM key) {
    ::PostMessageA(hwnd, WM_KEYDOWN, key, 0x00010001);
}

// Posts Escape three times and ends with 77 once the third has been pre-translated.
class EscapeDialog : public SteppedDialog {
public:
    bool swallowEscape = true;
    int escapesSeen = 0;
    int cancels = 0;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
            ++escapesSeen;
            if (swallowEscape) {
                return TRUE;
            }
        }
        return CDialog::PreTranslateMessage(msg);
    }
    void OnCancel() override {
        ++cancels;
        CDialog::OnCancel();
    }

protected:
    void Step() override {
        if (escapesSeen >= 3) {
            EndDialog(77);
        } else if (posted_ == escapesSeen) {
            PostKey(m_hWnd, VK_ESCAPE);
            ++posted_;
        }
    }

private:
    int posted_ = 0;
};

TEST(ModalDialog, PreTranslateMessageSeesKeysAndASwallowedEscapeNeverCancels) {
    EscapeDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_EQ(dialog.escapesSeen, 3);
    EXPECT_EQ(dialog.cancels, 0);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(ModalDialog, AnEscapeLeftToTheDialogManagerCancels) {
    EscapeDialog dialog;
    dialog.swallowEscape = false;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.escapesSeen, 1);
    EXPECT_EQ(dialog.cancels, 1);
}

// Types into the edit control and presses OK: OnOK copies the controls back before ending.
class TextDialog : public SteppedDialog {
public:
    std::string text = "initial";
    std::string shownAtStart;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_EDIT, text); }
    void Step() override {
        if (shownAtStart.empty()) {
            shownAtStart = CDialogTextOf(IDC_EDIT);
            ::SetDlgItemTextA(m_hWnd, IDC_EDIT, "typed");
            PostMessage(WM_COMMAND, IDOK, 0);
        }
    }
    std::string CDialogTextOf(int id) const {
        char buffer[64] = {};
        ::GetDlgItemTextA(m_hWnd, id, buffer, sizeof(buffer));
        return buffer;
    }
};

TEST(ModalDialog, InitialisationShowsTheDataAndOkSavesIt) {
    TextDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.shownAtStart, "initial");
    EXPECT_EQ(dialog.text, "typed");
}

// Checks its owner is disabled while it runs.
class OwnedDialog : public SteppedDialog {
public:
    using SteppedDialog::SteppedDialog;
    int ownerEnabledWhileRunning = -1;
    HWND window = nullptr;

protected:
    void Step() override {
        window = m_hWnd;
        ownerEnabledWhileRunning = ::IsWindowEnabled(GetParentHwnd()) ? 1 : 0;
        EndDialog(5);
    }
};

TEST(ModalDialog, TheOwnerIsDisabledWhileItRunsAndEnabledAfterwards) {
    CDialog owner;
    ASSERT_TRUE(owner.Create(IDD_SHOWN_DIALOG));
    OwnedDialog dialog(&owner);

    EXPECT_EQ(dialog.DoModal(), 5);
    EXPECT_EQ(dialog.ownerEnabledWhileRunning, 0);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    EXPECT_FALSE(::IsWindow(dialog.window));
}

class QuittingDialog : public SteppedDialog {
protected:
    void Step() override { ::PostQuitMessage(9); }
};

TEST(ModalDialog, AQuitRequestEndsTheDialogAndIsPostedAgain) {
    QuittingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    MSG msg{};
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 9u);
}

TEST(ModalDialog, AMissingTemplateFailsAtOnceAndLeavesTheOwnerEnabled) {
    CDialog owner;
    ASSERT_TRUE(owner.Create(IDD_HIDDEN_DIALOG));
    CDialog dialog(4242, &owner);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
}

// A modeless dialog that records the keys pre-translated for it and swallows them.
class KeyRecorder : public CDialog {
public:
    std::vector<std::pair<HWND, WPARAM>> keys;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN) {
            keys.emplace_back(msg->hwnd, msg->wParam);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }
};

// Runs modally beside a modeless dialog and types into the modeless one's edit control.
class HostDialog : public SteppedDialog {
public:
    KeyRecorder modeless;
    HWND typedInto = nullptr;
    std::vector<WPARAM> ownKeys;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN) {
            ownKeys.push_back(msg->wParam);
        }
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    BOOL OnInitDialog() override {
        SteppedDialog::OnInitDialog();
        modeless.Create(IDD_SHOWN_DIALOG, this);
        return TRUE;
    }
    void Step() override {
        if (typedInto == nullptr) {
            typedInto = modeless.GetDlgItem(IDC_EDIT);
            PostKey(typedInto, 'A');
        } else if (!modeless.keys.empty()) {
            EndDialog(1);
        }
    }
};

TEST(ModalDialog, MessagesOfAModelessDialogReachItsPreTranslateMessage) {
    HostDialog host;
    EXPECT_EQ(host.DoModal(), 1);
    ASSERT_EQ(host.modeless.keys.size(), 1u);
    EXPECT_NE(host.typedInto, nullptr);
    EXPECT_EQ(host.modeless.keys[0].first, host.typedInto);
    EXPECT_EQ(host.modeless.keys[0].second, static_cast<WPARAM>('A'));
    EXPECT_TRUE(host.ownKeys.empty()); // swallowed before the walk reached the host
}

TEST(ModelessDialog, CreationFollowsTheTemplatesVisibility) {
    CDialog shown;
    CDialog hidden;
    ASSERT_TRUE(shown.Create(IDD_SHOWN_DIALOG));
    ASSERT_TRUE(hidden.Create(IDD_HIDDEN_DIALOG));
    EXPECT_TRUE(::IsWindowVisible(shown.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(hidden.m_hWnd));
    EXPECT_FALSE(shown.Create(IDD_SHOWN_DIALOG)); // one window per object
}

TEST(ModelessDialog, EndDialogHidesWithoutDestroying) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SHOWN_DIALOG));
    const HWND window = dialog.m_hWnd;

    dialog.EndDialog(1);
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(dialog.m_hWnd, window);
    EXPECT_EQ(CWnd::FromHandlePermanent(window), &dialog);

    // Escape's cancel command takes the same way.
    dialog.ShowWindow(SW_SHOWNA);
    ::SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_FALSE(::IsWindowVisible(window));
}

class ExchangeDialog : public CDialog {
public:
    std::string text;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_EDIT, text); }
};

TEST(DataExchange, TextGoesBothWaysWhateverItsLength) {
    ExchangeDialog dialog;
    dialog.text = "from member";
    ASSERT_TRUE(dialog.Create(IDD_HIDDEN_DIALOG));
    const HWND edit = dialog.GetDlgItem(IDC_EDIT);
    char buffer[64] = {};
    ::GetWindowTextA(edit, buffer, sizeof(buffer));
    EXPECT_STREQ(buffer, "from member"); // initialisation ran the exchange

    const std::string longText(3000, 'x');
    ::SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    ::SetWindowTextA(edit, longText.c_str());
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.text, longText);

    dialog.text = "";
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(::GetWindowTextLengthA(edit), 0);
}

TEST(DataExchange, NothingToExchangeBeforeTheWindowExists) {
    ExchangeDialog dialog;
    dialog.text = "kept";
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.text, "kept");
}

} // namespace
