// The application object: registration, names, instance and message boxes.
#include "framework/dialog.h"
#include "test_app.h"
#include "test_resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/win/message_boxes.h"

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

TEST(Application, AMessageBoxIsCaptionedWithTheNameAndOwnedByTheMainWindow) {
    CDialog mainWindow;
    ASSERT_TRUE(mainWindow.Create(IDD_SHOWN_DIALOG));
    TheTestApp().m_pMainWnd = &mainWindow;
    int answer = 0;
    std::vector<wintest::SeenMessageBox> seen;
    {
        wintest::MessageBoxWatcher watcher(wintest::WindowOwner::Thread(::GetCurrentThreadId()));
        answer = AfxMessageBox("Hello");
        seen = watcher.Seen();
    }
    TheTestApp().m_pMainWnd = nullptr;
    EXPECT_EQ(answer, IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"framework_test");
    EXPECT_EQ(seen[0].text, L"Hello");
    EXPECT_EQ(seen[0].owner, mainWindow.m_hWnd);
}

} // namespace
