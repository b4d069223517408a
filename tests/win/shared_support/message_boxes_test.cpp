#include "tests/support/win/message_boxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "tests/support/win/child_process.h"
#include "tests/support/win/folders.h"

namespace {

using wintest::WindowOwner;

bool Has(const std::vector<HWND>& windows, HWND window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

TEST(WindowSearch, FindsAWindowByItsProcessAndItsThreadOnly) {
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP, 0, 0, 10, 10, nullptr,
                                          nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(
        Has(wintest::TopLevelWindows(WindowOwner::Process(::GetCurrentProcessId())), window));
    EXPECT_TRUE(Has(wintest::TopLevelWindows(WindowOwner::Thread(::GetCurrentThreadId())), window));
    DWORD otherThread = 0;
    std::thread([&] { otherThread = ::GetCurrentThreadId(); }).join();
    EXPECT_FALSE(Has(wintest::TopLevelWindows(WindowOwner::Thread(otherThread)), window));
    EXPECT_EQ(wintest::WindowText(window), L"probe");
    EXPECT_EQ(wintest::ClassName(window), L"Static");
    EXPECT_FALSE(wintest::IsMessageBox(window));
    ::DestroyWindow(window);
}

TEST(MessageBoxWatchers, DismissAndNoteTheBoxesOfThisThread) {
    int answer = 0;
    std::vector<wintest::SeenMessageBox> seen;
    {
        wintest::MessageBoxWatcher watcher(WindowOwner::Thread(::GetCurrentThreadId()));
        answer = ::MessageBoxW(nullptr, L"first text", L"first caption", MB_OK);
        seen = watcher.Seen();
    }
    EXPECT_EQ(answer, IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"first caption");
    EXPECT_EQ(seen[0].text, L"first text");
}

TEST(MessageBoxWatchers, DismissAndNoteTheBoxesOfAnotherProcess) {
    std::optional<DWORD> answer;
    std::vector<wintest::SeenMessageBox> seen;
    {
        const wintest::ChildProcess child(wintest::ProgramFolder() / "support_test_child.exe",
                                          L"box \"other caption\" \"other text\"");
        ASSERT_TRUE(child.Started());
        wintest::MessageBoxWatcher watcher(WindowOwner::Process(child.Id()));
        answer = child.WaitForExit();
        seen = watcher.Seen();
    }
    EXPECT_EQ(answer, DWORD{IDOK});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"other caption");
    EXPECT_EQ(seen[0].text, L"other text");
}

} // namespace
