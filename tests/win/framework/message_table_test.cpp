// Message tables, command routing to the application, Default() and the handle map, on plain
// windows that the tests subclass.
#include "framework/wnd.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kPing = WM_APP + 1;
constexpr UINT kPong = WM_APP + 2;
constexpr UINT kFirstCommand = 0x6001;
constexpr UINT kSecondCommand = 0x6002;
constexpr UINT kEditedCommand = 0x6003;
constexpr UINT kRangeFirst = 0x6010;
constexpr UINT kRangeOwnEntry = 0x6012;
constexpr UINT kRangeLast = 0x6014;

// A window handle of its own, destroyed at the end of the test unless something else did it.
class PopupWindow {
public:
    explicit PopupWindow(const char* className = "STATIC", const char* text = "")
        : hwnd_(::CreateWindowExA(0, className, text, WS_POPUP, 0, 0, 40, 20, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr)) {}
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;
    ~PopupWindow() {
        if (::IsWindow(hwnd_)) {
            ::DestroyWindow(hwnd_);
        }
    }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

class BaseProbe : public CWnd {
public:
    std::vector<std::string> calls;

protected:
    LRESULT OnPing(WPARAM wp, LPARAM) {
        calls.push_back("base ping");
        return 10 + static_cast<LRESULT>(wp);
    }
    LRESULT OnPong(WPARAM, LPARAM) {
        calls.push_back("base pong");
        return 20;
    }
    void OnFirst() { calls.push_back("base first"); }
    void OnSecond() { calls.push_back("base second"); }
    void OnEdited() { calls.push_back("base edited"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseProbe, CWnd)
    ON_MESSAGE(kPing, &BaseProbe::OnPing)
    ON_MESSAGE(kPong, &BaseProbe::OnPong)
    ON_COMMAND(kFirstCommand, &BaseProbe::OnFirst)
    ON_COMMAND(kSecondCommand, &BaseProbe::OnSecond)
    ON_CONTROL(EN_CHANGE, kEditedCommand, &BaseProbe::OnEdited)
END_MESSAGE_MAP()

class DerivedProbe : public BaseProbe {
protected:
    LRESULT OnPingAgain(WPARAM wp, LPARAM) {
        calls.push_back("derived ping");
        return 30 + static_cast<LRESULT>(wp);
    }
    void OnSecondAgain() { calls.push_back("derived second"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedProbe, BaseProbe)
    ON_MESSAGE(kPing, &DerivedProbe::OnPingAgain)
    ON_COMMAND(kSecondCommand, &DerivedProbe::OnSecondAgain)
END_MESSAGE_MAP()

LRESULT Command(HWND hwnd, UINT id, UINT code = 0, HWND control = nullptr) {
    return ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, code),
                          reinterpret_cast<LPARAM>(control));
}

TEST(MessageTable, RunsTheHandlerOfItsMessageAndCommand) {
    PopupWindow window;
    PopupWindow control;
    BaseProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(window.get()));

    EXPECT_EQ(::SendMessageA(window.get(), kPing, 1, 0), 11);
    EXPECT_EQ(::SendMessageA(window.get(), kPong, 0, 0), 20);
    Command(window.get(), kFirstCommand);
    Command(window.get(), 0x6FFF); // no entry: nobody is called
    // A control notification runs only the entry with its own code.
    Command(window.get(), kEditedCommand, BN_CLICKED, control.get());
    Command(window.get(), kEditedCommand, EN_CHANGE, control.get());

    EXPECT_EQ(probe.calls,
              (std::vector<std::string>{"base ping", "base pong", "base first", "base edited"}));
}

TEST(MessageTable, DerivedEntriesOverrideTheBaseOnesAndInheritTheRest) {
    PopupWindow window;
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(window.get()));

    EXPECT_EQ(::SendMessageA(window.get(), kPing, 2, 0), 32);
    EXPECT_EQ(::SendMessageA(window.get(), kPong, 0, 0), 20);
    Command(window.get(), kSecondCommand);
    Command(window.get(), kFirstCommand);

    EXPECT_EQ(probe.calls, (std::vector<std::string>{"derived ping", "base pong", "derived second",
                                                     "base first"}));
}

class RangeProbe : public CWnd {
public:
    std::vector<std::string> calls;

protected:
    void OnRange(UINT id) { calls.push_back("range " + std::to_string(id - kRangeFirst)); }
    void OnOwnEntry() { calls.push_back("own entry"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RangeProbe, CWnd)
    ON_BN_CLICKED(kRangeOwnEntry, &RangeProbe::OnOwnEntry)
    ON_CONTROL_RANGE(BN_CLICKED, kRangeFirst, kRangeLast, &RangeProbe::OnRange)
END_MESSAGE_MAP()

TEST(MessageTable, ARangeEntryHandsItsHandlerEachIdOfItsRangeAndNoOther) {
    PopupWindow window;
    PopupWindow control;
    RangeProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(window.get()));

    for (UINT id = kRangeFirst - 1; id <= kRangeLast + 1; ++id) {
        Command(window.get(), id, BN_CLICKED, control.get());
    }
    // Another notification code from an id in the range is not the entry's.
    Command(window.get(), kRangeFirst, EN_CHANGE, control.get());

    EXPECT_EQ(probe.calls,
              (std::vector<std::string>{"range 0", "range 1", "own entry", "range 3", "range 4"}));
}

TEST(MessageTable, CommandsNoWindowTakesGoOnToTheApplication) {
    PopupWindow window;
    BaseProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(window.get()));
    const int before = TheTestApp().appCommands;

    Command(window.get(), TestApp::kAppCommand);
    EXPECT_EQ(TheTestApp().appCommands, before + 1);
    Command(window.get(), kFirstCommand); // the window's own command stays with the window
    EXPECT_EQ(TheTestApp().appCommands, before + 1);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"base first"}));
}

// Answers the text length with the original procedure's answer plus 100, after sending itself
// another message, so Default() must still see its own message afterwards.
class DefaultProbe : public CWnd {
public:
    LRESULT defaultAnswer = -1;
    int nestedPings = 0;

protected:
    LRESULT OnGetTextLength(WPARAM, LPARAM) {
        SendMessage(kPing);
        defaultAnswer = Default();
        return defaultAnswer + 100;
    }
    LRESULT OnPing(WPARAM, LPARAM) {
        ++nestedPings;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DefaultProbe, CWnd)
    ON_MESSAGE(WM_GETTEXTLENGTH, &DefaultProbe::OnGetTextLength)
    ON_MESSAGE(kPing, &DefaultProbe::OnPing)
END_MESSAGE_MAP()

TEST(MessageTable, DefaultGivesTheOriginalProcedureResultAfterNestedMessages) {
    PopupWindow button("BUTTON", "Hello");
    DefaultProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(button.get()));

    EXPECT_EQ(::SendMessageA(button.get(), WM_GETTEXTLENGTH, 0, 0), 105);
    EXPECT_EQ(probe.defaultAnswer, 5);
    EXPECT_EQ(probe.nestedPings, 1);
    // Messages without an entry reach the original procedure unchanged.
    EXPECT_EQ(probe.GetWindowText(), "Hello");
    EXPECT_EQ(::SendMessageA(button.get(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

class LifetimeProbe : public CWnd {
public:
    int ncDestroySeen = 0;
    int postNcDestroyCalls = 0;
    bool mappedAtPostNcDestroy = true;
    void PostNcDestroy() override {
        ++postNcDestroyCalls;
        mappedAtPostNcDestroy = m_hWnd != nullptr;
    }

protected:
    LRESULT OnNcDestroy(WPARAM, LPARAM) {
        ++ncDestroySeen;
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LifetimeProbe, CWnd)
    ON_MESSAGE(WM_NCDESTROY, &LifetimeProbe::OnNcDestroy)
END_MESSAGE_MAP()

TEST(HandleMap, AWindowDestroyedWhileSubclassedIsUnmapped) {
    PopupWindow window;
    LifetimeProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(window.get()));
    ASSERT_EQ(CWnd::FromHandlePermanent(window.get()), &probe);

    ASSERT_TRUE(::DestroyWindow(window.get()));

    EXPECT_EQ(CWnd::FromHandlePermanent(window.get()), nullptr);
    EXPECT_EQ(probe.m_hWnd, nullptr);
    EXPECT_EQ(probe.ncDestroySeen, 1);
    EXPECT_EQ(probe.postNcDestroyCalls, 1);
    EXPECT_FALSE(probe.mappedAtPostNcDestroy);
}

TEST(HandleMap, OneObjectPerHandleAndOneHandlePerObject) {
    PopupWindow first;
    PopupWindow second;
    CWnd owner;
    CWnd intruder;
    ASSERT_TRUE(owner.SubclassWindow(first.get()));

    EXPECT_FALSE(intruder.SubclassWindow(first.get()));
    EXPECT_FALSE(intruder.Attach(first.get()));
    EXPECT_FALSE(owner.Attach(second.get()));
    EXPECT_EQ(CWnd::FromHandlePermanent(first.get()), &owner);
    EXPECT_EQ(CWnd::FromHandlePermanent(second.get()), nullptr);
    EXPECT_FALSE(intruder.Attach(reinterpret_cast<HWND>(0x1234))); // not a window
}

TEST(HandleMap, UnsubclassingAndDetachingLetTheWindowGoOnWithoutTheObject) {
    PopupWindow window("BUTTON", "Text");
    const auto original = ::GetWindowLongPtrA(window.get(), GWLP_WNDPROC);
    {
        CWnd probe;
        ASSERT_TRUE(probe.SubclassWindow(window.get()));
        EXPECT_NE(::GetWindowLongPtrA(window.get(), GWLP_WNDPROC), original);
        EXPECT_EQ(probe.UnsubclassWindow(), window.get());
        EXPECT_EQ(probe.m_hWnd, nullptr);
    }
    EXPECT_TRUE(::IsWindow(window.get()));
    EXPECT_EQ(::GetWindowLongPtrA(window.get(), GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(window.get()), nullptr);

    {
        CWnd attached;
        ASSERT_TRUE(attached.Attach(window.get()));
        EXPECT_EQ(attached.Detach(), window.get());
    }
    EXPECT_TRUE(::IsWindow(window.get()));
}

TEST(HandleMap, AnObjectDestroysTheWindowStillAttachedToIt) {
    PopupWindow subclassed;
    PopupWindow attached;
    {
        CWnd first;
        CWnd second;
        ASSERT_TRUE(first.SubclassWindow(subclassed.get()));
        ASSERT_TRUE(second.Attach(attached.get()));
    }
    EXPECT_FALSE(::IsWindow(subclassed.get()));
    EXPECT_FALSE(::IsWindow(attached.get()));
    EXPECT_EQ(CWnd::FromHandlePermanent(subclassed.get()), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(attached.get()), nullptr);

    PopupWindow another;
    CWnd third;
    ASSERT_TRUE(third.Attach(another.get()));
    EXPECT_TRUE(third.DestroyWindow());
    EXPECT_EQ(third.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(another.get()), nullptr);
}

} // namespace
