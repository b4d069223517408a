// What the window does with keys, close requests, the system menu, dragging and its two exits.
#include <gtest/gtest.h>

#include <vector>

#include "glint_test.h"
#include "input.h"
#include "res/resource.h"
#include "skin_checks.h"
#include "window_find.h"

namespace {

using namespace e2e;

void PostClick(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::vector<std::uint8_t> ModeWritesSince(EcSim& ec, std::uint64_t timeNs) {
    std::vector<std::uint8_t> modes;
    for (const ecsim::EcAccess& write : ec.WritesSince(timeNs)) {
        if (write.address == 0xC4FC) {
            modes.push_back(write.value);
        }
    }
    return modes;
}

class Window : public GlintTest {
protected:
    // Clicks a mode button with the mouse and waits until the click's last write (the control
    // byte) is in the EC: everything queued before the click has then been handled.
    void ClickMode(int id, std::uint8_t mode) {
        const std::uint64_t before = ecsim::NowNs();
        Click(ControlCenter(mainWindow, id));
        ASSERT_TRUE(WaitUntil([&] { return ModeSelected(before, mode); })) << id;
    }
    // The same through a posted command, for things queued as posted messages.
    void PostMode(int id, std::uint8_t mode) {
        const std::uint64_t before = ecsim::NowNs();
        PostClick(mainWindow, id);
        ASSERT_TRUE(WaitUntil([&] { return ModeSelected(before, mode); })) << id;
    }
    bool ModeSelected(std::uint64_t since, std::uint8_t mode) {
        const std::vector<ecsim::EcAccess> writes = glint->Ec().WritesSince(since);
        return writes.size() >= 2 && writes[writes.size() - 2].address == 0xC4FC &&
               writes[writes.size() - 2].value == mode && writes.back().address == 0xC422;
    }
    void ExpectStillShown() {
        EXPECT_TRUE(glint->IsRunning());
        EXPECT_TRUE(::IsWindow(mainWindow));
        EXPECT_TRUE(::IsWindowVisible(mainWindow));
    }
};

TEST_F(Window, EscapeEnterAndAltF4AreSwallowed) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    // The click makes the window active and gives the On button the focus.
    ASSERT_NO_FATAL_FAILURE(ClickMode(IDC_ON, 1));
    const std::uint64_t keysSent = ecsim::NowNs();
    PressKey(VK_ESCAPE);
    PressKey(VK_RETURN);
    PressKeyWithAlt(VK_F4);
    // Input is handled in order: once this click is in, the keys have been handled.
    ASSERT_NO_FATAL_FAILURE(ClickMode(IDC_RAINBOW, 2));
    ExpectStillShown();
    // Enter did not press the focused button either.
    EXPECT_EQ(ModeWritesSince(glint->Ec(), keysSent), std::vector<std::uint8_t>{2});
}

TEST_F(Window, CloseRequestsAndCancelDoNothing) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ::PostMessageW(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    PostClick(mainWindow, IDCANCEL);
    // A close request turns into a cancel command posted behind it: two rounds of posted
    // commands make sure that every one of them has been handled.
    ASSERT_NO_FATAL_FAILURE(PostMode(IDC_ON, 1));
    ASSERT_NO_FATAL_FAILURE(PostMode(IDC_AUTO, 0));
    ExpectStillShown();
}

TEST_F(Window, DraggingTheBackgroundMovesTheWindow) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    const RECT before = WindowRect(mainWindow);
    const POINT from{before.left + 300, before.top + 420};
    for (const RECT& control : VisibleChildRects(mainWindow)) {
        ASSERT_FALSE(Contains(control, from)) << "the drag must start on the background";
    }
    Drag(from, {from.x + 120, from.y + 90});
    RECT after{};
    EXPECT_TRUE(WaitUntil([&] {
        after = WindowRect(mainWindow);
        return after.left == before.left + 120 && after.top == before.top + 90;
    })) << "window at "
        << after.left << "," << after.top;
    EXPECT_EQ(SizeOf(after).cx, SizeOf(before).cx);
    EXPECT_EQ(SizeOf(after).cy, SizeOf(before).cy);
}

TEST_F(Window, PressingAButtonDoesNotStartADrag) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    const RECT before = WindowRect(mainWindow);
    const POINT on = ControlCenter(mainWindow, IDC_ON);
    Drag(on, {on.x + 150, on.y - 200});
    // Released away from the button, so it is no click either.
    ASSERT_NO_FATAL_FAILURE(ClickMode(IDC_BREATH, 3));
    const RECT after = WindowRect(mainWindow);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

TEST_F(Window, SystemMenuEndsWithTheAboutEntryWhichOpensTheAboutBox) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ASSERT_NO_FATAL_FAILURE(ClickMode(IDC_AUTO, 0));
    PressKeyWithAlt(VK_SPACE);
    const HWND menu = glint->WaitForWindow(
        [](HWND w) { return ClassName(w) == kMenuClass && ::IsWindowVisible(w); });
    ASSERT_NE(menu, nullptr) << "Alt+Space opens no system menu";
    KeepScreenshot(menu, "system_menu");
    // From the first entry, Up wraps round to the last one.
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    const HWND about = glint->WaitForWindow(
        [](HWND w) { return ::IsWindowVisible(w) && WindowText(w) == L"About ZUQ_RGB_LED_Tool"; });
    ASSERT_NE(about, nullptr) << "the last entry does not open the About box";
    KeepScreenshot(about, "about_box");
    EXPECT_FALSE(::IsWindowEnabled(mainWindow)) << "the About box is modal";

    Click(ControlCenter(about, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about) || !::IsWindowVisible(about); }));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(mainWindow) != FALSE; }));
    ExpectStillShown();
}

TEST_F(Window, ExitButtonEndsTheProgramWithoutWritingToTheEc) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    ASSERT_NO_FATAL_FAILURE(ClickMode(IDC_BREATH, 3));
    const std::uint64_t clicked = ecsim::NowNs();
    Click(ControlCenter(mainWindow, IDC_EXIT));
    EXPECT_EQ(glint->WaitForExit(), DWORD{0});
    EXPECT_TRUE(glint->Ec().WritesSince(clicked).empty());
}

TEST_F(Window, OkCommandEndsTheProgramWithoutWritingToTheEc) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    const std::uint64_t posted = ecsim::NowNs();
    PostClick(mainWindow, IDOK);
    EXPECT_EQ(glint->WaitForExit(), DWORD{0});
    EXPECT_TRUE(glint->Ec().WritesSince(posted).empty());
}

} // namespace
