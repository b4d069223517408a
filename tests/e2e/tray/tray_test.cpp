// The MIN button's tray icon: hiding, the icon's clicks and menu, the flag that places a popup
// shown while hidden, the end through the menu, a rebuilt taskbar and a second start of the
// program, which brings the window back.
#include <gtest/gtest.h>

#include "glint_test.h"
#include "input.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "skin_checks.h"
#include "tray.h"
#include "window_find.h"

namespace {

using namespace e2e;

class Tray : public GlintTest {
protected:
    void HideToTray() {
        Click(ControlCenter(mainWindow, IDC_MIN));
        ASSERT_TRUE(WaitUntil([&] {
            return !::IsWindowVisible(mainWindow) && TrayIconPresent(mainWindow);
        })) << "visible "
            << ::IsWindowVisible(mainWindow) << ", icon " << TrayIconPresent(mainWindow);
        ASSERT_TRUE(WaitUntil([] { return WineTrayWindow() != nullptr; }));
    }

    // Right-clicks the icon until the menu shows: right after a menu has closed, Wine's
    // notification area now and then lets a click go by.
    HWND OpenMenu() {
        for (int attempt = 0; attempt < 3; ++attempt) {
            RightClick(WineTrayIconCenter());
            const HWND menu = glint->WaitForWindow(
                [](HWND w) { return ClassName(w) == kMenuClass && ::IsWindowVisible(w); }, 5s);
            if (menu != nullptr) {
                return menu;
            }
        }
        return nullptr;
    }

    // The centre of the menu's entry (0 or 1) in screen coordinates: two entries of one height.
    static POINT EntryCenter(HWND menu, int entry) {
        RECT client{};
        ::GetClientRect(menu, &client);
        POINT center{client.right / 2, client.bottom * (2 * entry + 1) / 4};
        ::ClientToScreen(menu, &center);
        return center;
    }

    void ExpectRestoredWithoutIcon() {
        EXPECT_TRUE(WaitUntil(
            [&] { return ::IsWindowVisible(mainWindow) && !TrayIconPresent(mainWindow); }));
        EXPECT_EQ(::GetForegroundWindow(), mainWindow);
    }

    // Sets a power level and returns the popup's position once it has placed itself.
    POINT FirstPopupPosition(std::uint8_t level) {
        const Image levelOne = LoadBmp(BuiltSkinFile("skin_EN", skin_files::kPopupBitmaps[0]));
        EXPECT_FALSE(levelOne.Empty());
        const RECT desktop = WindowRect(::GetDesktopWindow());
        const int centredX = (desktop.right - desktop.left - levelOne.width) / 2;
        const int centredY = (desktop.bottom - desktop.top - levelOne.height) / 2;
        EXPECT_TRUE(glint->Ec().SetPowerLevel(level));
        RECT placed{};
        EXPECT_TRUE(WaitUntil([&] {
            const HWND popup = glint->FindWindowWhere(
                [&](HWND w) { return w != mainWindow && ClassName(w) == kDialogClass; });
            placed = WindowRect(popup);
            return popup != nullptr && SizeOf(placed).cx == levelOne.width &&
                   SizeOf(placed).cy == levelOne.height && placed.left == centredX;
        })) << "popup at "
            << placed.left << "," << placed.top;
        centred = {centredX, centredY};
        lowered = {centredX, centredY + levelOne.height / 2};
        return {placed.left, placed.top};
    }

    // Starts a second copy and expects it to end at once with 0, without a window of its own and
    // without touching a port (neither of its own simulated EC nor of the first copy's).
    void StartSecondCopy() {
        GlintProcess second;
        ASSERT_TRUE(second.Started()) << second.Error();
        bool showedWindow = false;
        EXPECT_TRUE(WaitUntil(
            [&] {
                for (HWND window : second.TopLevelWindows()) {
                    showedWindow = showedWindow || ::IsWindowVisible(window);
                }
                return !second.IsRunning();
            },
            kStartTimeout));
        EXPECT_EQ(second.WaitForExit(), DWORD{0});
        EXPECT_FALSE(showedWindow);
        const auto trace = second.Ec().State().Trace();
        ASSERT_TRUE(trace.has_value());
        EXPECT_TRUE(trace->empty()) << "the second copy touched a port";
        for (const ecsim::EcAccess& access : glint->Ec().Accesses()) {
            EXPECT_NE(access.pid, second.Pid());
        }
    }

    POINT centred{};
    POINT lowered{};
};

bool operator==(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

TEST_F(Tray, MinimiseHidesTheWindowBehindAnIcon) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EXPECT_FALSE(TrayIconPresent(mainWindow));
    ASSERT_NO_FATAL_FAILURE(HideToTray());
    EXPECT_TRUE(glint->IsRunning());
    KeepScreenshot(WineTrayWindow(), "tray_icon");
}

TEST_F(Tray, LeftClickOnTheIconRestoresTheWindowAndClearsTheFlag) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ASSERT_NO_FATAL_FAILURE(HideToTray());
    Click(WineTrayIconCenter());
    ExpectRestoredWithoutIcon();
    // A popup first shown now is centred, as it is while the window is not hidden.
    EXPECT_TRUE(FirstPopupPosition(2) == centred);
}

TEST_F(Tray, OpenEntryRestoresTheWindowButLeavesTheFlagSet) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ASSERT_NO_FATAL_FAILURE(HideToTray());
    const HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    KeepScreenshot(menu, "tray_menu_en");
    Click(EntryCenter(menu, 0));
    ExpectRestoredWithoutIcon();
    // The flag still says hidden: the first popup is placed lower by half its height.
    EXPECT_TRUE(FirstPopupPosition(3) == lowered);
}

TEST_F(Tray, LevelChangeWhileHiddenShowsThePopupLowerAndKeepsTheWindowHidden) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ASSERT_NO_FATAL_FAILURE(HideToTray());
    EXPECT_TRUE(FirstPopupPosition(1) == lowered);
    EXPECT_FALSE(::IsWindowVisible(mainWindow));
    EXPECT_TRUE(TrayIconPresent(mainWindow));
}

// Dismissed with Escape: under Wine a click outside the menu also reaches the icon as a left
// click, which would restore the window as a real left click does.
TEST_F(Tray, DismissedMenuChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ASSERT_NO_FATAL_FAILURE(HideToTray());
    for (int round = 0; round < 2; ++round) {
        // The second round's menu shows that the first one's handling is over.
        const HWND menu = OpenMenu();
        ASSERT_NE(menu, nullptr) << round;
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(menu) || !::IsWindowVisible(menu); }));
    }
    EXPECT_FALSE(::IsWindowVisible(mainWindow));
    EXPECT_TRUE(TrayIconPresent(mainWindow));
    EXPECT_TRUE(glint->IsRunning());
}

TEST_F(Tray, ExitEntryEndsTheProgramAndTakesTheIconAlong) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ASSERT_NO_FATAL_FAILURE(HideToTray());
    const HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    const std::uint64_t chosen = ecsim::NowNs();
    Click(EntryCenter(menu, 1));
    EXPECT_EQ(glint->WaitForExit(), DWORD{0});
    EXPECT_FALSE(TrayIconPresent(mainWindow));
    EXPECT_TRUE(glint->Ec().WritesSince(chosen).empty());
}

TEST_F(Tray, RebuiltTaskbarGetsTheIconBackWhileHidden) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ASSERT_NO_FATAL_FAILURE(HideToTray());
    // The new taskbar starts without any icons.
    ASSERT_TRUE(RemoveTrayIconOf(mainWindow));
    ASSERT_FALSE(TrayIconPresent(mainWindow));
    ::PostMessageW(mainWindow, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconPresent(mainWindow); }));
    EXPECT_FALSE(::IsWindowVisible(mainWindow));
    // And the icon brings the window back as before.
    EXPECT_TRUE(WaitUntil([] { return WineTrayWindow() != nullptr; }));
    Click(WineTrayIconCenter());
    ExpectRestoredWithoutIcon();
}

TEST_F(Tray, TaskbarRebuiltWhileShownAddsNoIcon) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ::PostMessageW(mainWindow, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    // A posted click behind it marks when it has been handled.
    ::PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_ON, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(mainWindow, IDC_ON)));
    ASSERT_TRUE(WaitUntil([&] { return glint->Ec().ModeRegister() == 1; }));
    EXPECT_FALSE(TrayIconPresent(mainWindow));
    EXPECT_TRUE(::IsWindowVisible(mainWindow));
}

TEST_F(Tray, SecondStartBringsTheHiddenWindowBackFromTheTrayAndEnds) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ASSERT_NO_FATAL_FAILURE(HideToTray());
    ASSERT_NO_FATAL_FAILURE(StartSecondCopy());
    ExpectRestoredWithoutIcon();
    EXPECT_TRUE(glint->IsRunning());
    // Restored as a left click restores it: a popup first shown now is centred.
    EXPECT_TRUE(FirstPopupPosition(2) == centred);
}

TEST_F(Tray, SecondStartBringsTheWindowToTheFront) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    // Another program's window in front of it.
    const HWND other =
        ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"other program", WS_POPUP | WS_VISIBLE, 0, 0,
                          400, 300, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    ::SetWindowPos(other, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(other);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == other; }));

    ASSERT_NO_FATAL_FAILURE(StartSecondCopy());
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == mainWindow; }));
    EXPECT_TRUE(::IsWindowVisible(mainWindow));
    EXPECT_FALSE(TrayIconPresent(mainWindow));
    ::DestroyWindow(other);
}

} // namespace
