// The application object: registration, names, instance and message boxes.
#include "framework/dialog.h"
#include "test_app.h"
#include "test_resources.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Application, TheFirstObjectIsTheApplicationAndIsNamedAfterTheModule) {
    EXPECT_EQ(AfxGetApp(), &TheTestApp());
    EXPECT_EQ(TheTestApp().m_appName, "framework_test");
    {
        CWinApp another("Another");
        EXPECT_EQ(another.m_appName, "Another");
        EXPECT_EQ(AfxGetApp(), &TheTestApp());
    }
    EXPECT_EQ(AfxGetApp(), &TheTestApp());
}

TEST(Application, ResourcesComeFromTheExecutableBeforeTheEntryPointSetsAnInstance) {
    ASSERT_EQ(TheTestApp().m_hInstance, nullptr); // the test program has no WinMain of its own
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleA(nullptr));
    EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandleA(nullptr));
}

// Closes the message box it finds and remembers its caption and owner.
struct SeenMessageBox {
    std::string caption;
    HWND owner = nullptr;
    bool found = false;
};
SeenMessageBox seenBox;
ULONGLONG giveUpAt = 0;

BOOL CALLBACK CloseMessageBox(HWND hwnd, LPARAM) {
    char className[32] = {};
    ::GetClassNameA(hwnd, className, sizeof(className));
    const bool isBox = std::string(className) == "#32770" && ::IsWindowVisible(hwnd) &&
                       CWnd::FromHandlePermanent(hwnd) == nullptr; // not one of our dialogs
    if (!isBox) {
        return TRUE;
    }
    char caption[128] = {};
    ::GetWindowTextA(hwnd, caption, sizeof(caption));
    seenBox = {caption, ::GetWindow(hwnd, GW_OWNER), true};
    ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK LookForMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    if (!seenBox.found) {
        ::EnumThreadWindows(::GetCurrentThreadId(), &CloseMessageBox, 0);
    }
    if (!seenBox.found && ::GetTickCount64() > giveUpAt) {
        ::PostQuitMessage(0); // ends the box's loop; re-posted WM_QUIT is removed below
    }
}

TEST(Application, AMessageBoxIsCaptionedWithTheNameAndOwnedByTheMainWindow) {
    CDialog mainWindow;
    ASSERT_TRUE(mainWindow.Create(IDD_SHOWN_DIALOG));
    TheTestApp().m_pMainWnd = &mainWindow;
    seenBox = {};
    giveUpAt = ::GetTickCount64() + 10000;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &LookForMessageBox);

    const int answer = AfxMessageBox(L"Hello");

    ::KillTimer(nullptr, timer);
    TheTestApp().m_pMainWnd = nullptr;
    MSG quit;
    ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    ASSERT_TRUE(seenBox.found);
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(seenBox.caption, "framework_test");
    EXPECT_EQ(seenBox.owner, mainWindow.m_hWnd);
}

} // namespace
