#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <thread>
#include <vector>

#include "ui/core/tray_menu_texts.h"
#include "ui/taskbar_created.h"
#include "ui/tray_icon.h"
#include "ui/tray_menu.h"

namespace {

// A plain top-level window of this thread to own icons and menus.
class OwnerWindow {
public:
    OwnerWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"glint_tray_test_owner";
        ::RegisterClassW(&windowClass);
        window = ::CreateWindowW(windowClass.lpszClassName, L"owner", WS_POPUP, 0, 0, 10, 10,
                                 nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~OwnerWindow() { ::DestroyWindow(window); }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;

    HWND Handle() const { return window; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND window = nullptr;
};

bool ShellHasIcon(HWND owner, UINT id) {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = owner;
    record.uID = id;
    return ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

TEST(TrayIcon, AddedUnderId128AndRemovedAgain) {
    OwnerWindow owner;
    ASSERT_NE(owner.Handle(), nullptr);
    ASSERT_TRUE(AddTrayIcon(owner.Handle(), ::LoadIconA(nullptr, IDI_APPLICATION)));
    EXPECT_TRUE(ShellHasIcon(owner.Handle(), 128));
    EXPECT_FALSE(ShellHasIcon(owner.Handle(), 129));
    // The shell keeps one icon per window and id: a second add is refused.
    EXPECT_FALSE(AddTrayIcon(owner.Handle(), ::LoadIconA(nullptr, IDI_APPLICATION)));
    RemoveTrayIcon(owner.Handle());
    EXPECT_FALSE(ShellHasIcon(owner.Handle(), 128));
    // Removing what is gone does no harm.
    RemoveTrayIcon(owner.Handle());
    EXPECT_TRUE(AddTrayIcon(owner.Handle(), ::LoadIconA(nullptr, IDI_APPLICATION)));
    RemoveTrayIcon(owner.Handle());
}

TEST(TrayIcon, RecordHasTheSizeOfThisBuildsStructure) {
#ifdef _WIN64
    EXPECT_EQ(sizeof(NOTIFYICONDATAA), 528u);
#else
    EXPECT_EQ(sizeof(NOTIFYICONDATAA), 508u);
#endif
}

struct MenuSeen {
    std::vector<UINT> ids;
    std::vector<std::wstring> texts;
};

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found) {
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    if (std::wstring(name) == L"#32768" && ::IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Tracks the tray menu on this thread while another thread reads its entries from the open
// menu window and then closes it by choosing the entry at choiceIndex (or none).
UINT TrackAndRead(const std::array<TrayMenuEntry, 2>& entries, int choiceIndex, MenuSeen& seen) {
    OwnerWindow owner;
    const DWORD thread = ::GetCurrentThreadId();
    std::thread reader([&] {
        HWND menuWindow = nullptr;
        for (int tries = 0; tries < 1000 && menuWindow == nullptr; ++tries) {
            ::Sleep(10);
            ::EnumThreadWindows(thread, &FindMenuWindow, reinterpret_cast<LPARAM>(&menuWindow));
        }
        if (menuWindow == nullptr) {
            return;
        }
        const auto menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            seen.ids.push_back(::GetMenuItemID(menu, i));
            seen.texts.push_back(text);
        }
        // Keys reach the menu's own loop: Down selects the first entry, a second Down the next.
        for (int i = 0; i <= choiceIndex; ++i) {
            ::PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
        }
        ::PostMessageW(menuWindow, WM_KEYDOWN, choiceIndex >= 0 ? VK_RETURN : VK_ESCAPE, 0);
    });
    const UINT chosen = TrackTrayMenu(owner.Handle(), entries);
    reader.join();
    return chosen;
}

TEST(TrayMenu, HoldsBothEntriesAndReturnsTheChosenOne) {
    const auto entries = TrayMenuEntries(2052);
    MenuSeen seen;
    EXPECT_EQ(TrackAndRead(entries, 1, seen), 13u);
    EXPECT_EQ(seen.ids, (std::vector<UINT>{11, 13}));
    // The Chinese texts arrive intact whatever the ANSI code page.
    EXPECT_EQ(seen.texts, (std::vector<std::wstring>{L"01_\u6253\u5F00\u4E3B\u754C\u9762",
                                                     L"02_\u9000\u51FA"}));
    MenuSeen english;
    EXPECT_EQ(TrackAndRead(TrayMenuEntries(1033), 0, english), 11u);
    EXPECT_EQ(english.texts, (std::vector<std::wstring>{L"01_Open Main UI", L"02_Exit"}));
}

TEST(TrayMenu, DismissedMenuReturnsNothing) {
    MenuSeen seen;
    EXPECT_EQ(TrackAndRead(TrayMenuEntries(1033), -1, seen), 0u);
    EXPECT_EQ(seen.ids.size(), 2u);
}

TEST(TaskbarCreated, IsTheShellsRegisteredMessage) {
    OwnerWindow owner;
    const UINT message = ListenForTaskbarCreated(owner.Handle());
    EXPECT_NE(message, 0u);
    EXPECT_EQ(message, ::RegisterWindowMessageW(L"TaskbarCreated"));
}

} // namespace
