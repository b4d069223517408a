#include "ui/power_notify_dialog.h"

#include "framework/app.h"
#include "framework/path_text.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "skin_folder.h"
#include "tests/support/win/message_boxes.h"
#include "ui_pump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// The application object gives the second message box its caption.
CWinApp testApp("GlintPopupTests");

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 200, 0};
constexpr Rgb kDarkGreen{0, 100, 0};
constexpr Rgb kRed{220, 0, 0};

// Odd sizes, so that every halving truncates.
constexpr int kWidth = 301;
constexpr int kHeight = 201;
// The level-2 bitmap is smaller than the popup, to see it tiled from the top-left corner: its
// left half is green, its right half dark green.
constexpr int kGreenWidth = 100;
constexpr int kGreenHeight = 80;

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Where a popup of this size belongs on the desktop: centred, or lower by half its height.
RECT ExpectedBounds(int width, int height, bool lowered) {
    const RECT desktop = WindowRect(::GetDesktopWindow());
    const int x = (desktop.right - desktop.left - width) / 2;
    const int y = (desktop.bottom - desktop.top - height) / 2 + (lowered ? height / 2 : 0);
    return RECT{x, y, x + width, y + height};
}

bool IsTopmost(HWND hwnd) {
    return (::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::string ControlText(HWND dialog, int id) {
    char buffer[128] = {};
    ::GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                        wide.data(), static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return wide;
}

INT_PTR CALLBACK IgnoreEverything(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The size that the dialog manager itself gives the popup's template, for comparison.
SIZE TemplateSize() {
    HWND probe = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PWR_NOTIFY),
                                      nullptr, IgnoreEverything, 0);
    const RECT rect = WindowRect(probe);
    ::DestroyWindow(probe);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

class PowerPopup : public testing::Test {
protected:
    void SetUp() override {
        HWND hwnd = ::CreateWindowExA(0, "STATIC", "popup owner", WS_POPUP | WS_VISIBLE, 0, 0, 160,
                                      90, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(hwnd, nullptr);
        owner.Attach(hwnd);
    }

    void WriteBlue() {
        ASSERT_TRUE(skin.WriteSolidBitmap(skin_files::kPopupBitmaps[0], kWidth, kHeight, kBlue));
    }
    void WriteGreen() {
        ASSERT_TRUE(
            skin.WriteBitmap(skin_files::kPopupBitmaps[1], kGreenWidth, kGreenHeight,
                             [](int x, int) { return x < kGreenWidth / 2 ? kGreen : kDarkGreen; }));
    }
    void WriteRed() {
        ASSERT_TRUE(skin.WriteSolidBitmap(skin_files::kPopupBitmaps[2], kWidth, kHeight, kRed));
    }

    // Creates the popup as its owner does, noting and dismissing any message box on the way.
    void Create(int level, BYTE placementFlag) {
        popup = std::make_unique<CDlgPwrNotify>(skin.Path());
        {
            wintest::MessageBoxWatcher watcher(
                wintest::WindowOwner::Thread(::GetCurrentThreadId()));
            ASSERT_TRUE(popup->Create(&owner));
            boxes = watcher.Seen();
        }
        ASSERT_NE(popup->m_hWnd, nullptr);
        EXPECT_FALSE(::IsWindowVisible(popup->m_hWnd)) << "hidden until its owner shows it";
        popup->level = level;
        popup->placementFlag = placementFlag;
    }

    HWND Popup() const { return popup->m_hWnd; }

    bool WaitPlaced(const RECT& expected) {
        return PumpUntil([&] { return SameRect(WindowRect(Popup()), expected); });
    }

    // Shows the popup and lets its own first placement and self-hide pass, so that later shows
    // stay up for as long as a test looks at them.
    void ShowAndLetFirstHidePass() {
        popup->ShowWindow(SW_SHOW);
        ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Popup()); }));
        popup->ShowWindow(SW_SHOW);
    }

    // Waits for the 100 ms refresh to take up the level, then lets the repaint it asked for run.
    void ShowLevel(int level) {
        popup->level = level;
        const std::string expected = "PowerLevel 0x30= " + std::to_string(level);
        ASSERT_TRUE(PumpUntil([&] { return ControlText(Popup(), IDC_PWR_TEXT) == expected; }));
        ::UpdateWindow(Popup());
    }

    // Whether the popup's refresh timer fires (within a generous bound).
    bool RefreshTicks() {
        bool ticked = false;
        const auto noteTick = [&](const MSG& msg) {
            ticked = ticked || (msg.hwnd == Popup() && msg.message == WM_TIMER &&
                                msg.wParam == CDlgPwrNotify::kRefreshTimer);
        };
        return PumpUntil([&] { return ticked; }, std::chrono::seconds(10), noteTick);
    }

    COLORREF Pixel(int x, int y) const { return ClientPixel(Popup(), x, y); }

    TempSkinFolder skin;
    CWnd owner;
    std::unique_ptr<CDlgPwrNotify> popup;
    std::vector<wintest::SeenMessageBox> boxes;
};

TEST_F(PowerPopup, TakesTheLevel1BitmapsSizeAndPlacesItselfOnceCentredAndTopmost) {
    WriteBlue();
    WriteGreen();
    WriteRed();
    Create(1, 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(ControlText(Popup(), IDC_PWR_TEXT), "") << "the empty text is exchanged at creation";

    popup->ShowWindow(SW_SHOW);
    ASSERT_TRUE(WaitPlaced(ExpectedBounds(kWidth, kHeight, false)));
    EXPECT_TRUE(PumpUntil([&] { return IsTopmost(Popup()); }));
}

TEST_F(PowerPopup, PlacementFlagLowersTheFirstPlacementOnlyByHalfItsHeight) {
    WriteBlue();
    Create(1, 1);
    popup->ShowWindow(SW_SHOW);
    const RECT lowered = ExpectedBounds(kWidth, kHeight, true);
    ASSERT_TRUE(WaitPlaced(lowered));
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Popup()); }));

    // Shown again with the flag cleared: the popup keeps its first position.
    popup->placementFlag = 0;
    popup->ShowWindow(SW_SHOW);
    ShowLevel(2);
    EXPECT_TRUE(SameRect(WindowRect(Popup()), lowered));
}

TEST_F(PowerPopup, HidesItselfAboutASecondAfterPlacement) {
    WriteBlue();
    Create(1, 0);
    // The hide timer is started while the placement tick is handled, so the hide tick cannot
    // come less than a second after it, however slow the machine.
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> placedAt;
    std::optional<Clock::time_point> hiddenAt;
    const auto noteTicks = [&](const MSG& msg) {
        if (msg.hwnd == Popup() && msg.message == WM_TIMER) {
            if (msg.wParam == CDlgPwrNotify::kPlaceTimer && !placedAt) {
                placedAt = Clock::now();
            } else if (msg.wParam == CDlgPwrNotify::kHideTimer && !hiddenAt) {
                hiddenAt = Clock::now();
            }
        }
    };
    popup->ShowWindow(SW_SHOW);
    ASSERT_TRUE(
        PumpUntil([&] { return placedAt.has_value(); }, std::chrono::seconds(10), noteTicks));
    EXPECT_TRUE(SameRect(WindowRect(Popup()), ExpectedBounds(kWidth, kHeight, false)));
    EXPECT_TRUE(::IsWindowVisible(Popup()));
    ASSERT_TRUE(PumpUntil([&] { return hiddenAt && !::IsWindowVisible(Popup()); },
                          std::chrono::seconds(10), noteTicks));
    EXPECT_GE(*hiddenAt - *placedAt, std::chrono::milliseconds(950));

    EXPECT_TRUE(::IsWindow(Popup())) << "ending the dialog only hides it";
    EXPECT_FALSE(::KillTimer(Popup(), CDlgPwrNotify::kPlaceTimer)) << "placement happens once";
    EXPECT_FALSE(::KillTimer(Popup(), CDlgPwrNotify::kHideTimer)) << "the self-hide happens once";
}

// KillTimer fails for a timer that is not running, so it tells whether the refresh runs.
TEST_F(PowerPopup, RefreshesOnlyWhileShownWhicheverWayItIsHidden) {
    WriteBlue();
    WriteRed();
    Create(1, 0);
    EXPECT_FALSE(::KillTimer(Popup(), CDlgPwrNotify::kRefreshTimer))
        << "no refresh before the first show";

    popup->ShowWindow(SW_SHOW);
    EXPECT_TRUE(RefreshTicks());
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Popup()); }));
    EXPECT_FALSE(::KillTimer(Popup(), CDlgPwrNotify::kRefreshTimer))
        << "still refreshing after its own hide";

    // Shown and hidden again by the owner.
    popup->ShowWindow(SW_SHOW);
    EXPECT_TRUE(RefreshTicks());
    ShowLevel(3);
    EXPECT_EQ(Pixel(3, 3), ToColorRef(kRed)) << "a change while shown is painted";
    popup->ShowWindow(SW_HIDE);
    EXPECT_FALSE(::KillTimer(Popup(), CDlgPwrNotify::kRefreshTimer))
        << "still refreshing after the owner's hide";

    // Shown and hidden by moving the window.
    ::SetWindowPos(Popup(), nullptr, 0, 0, 0, 0,
                   SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(RefreshTicks());
    ::SetWindowPos(Popup(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(::KillTimer(Popup(), CDlgPwrNotify::kRefreshTimer))
        << "still refreshing after a hiding move";
}

// No refresh ran while the popup was hidden: the show itself takes up the level changed
// meanwhile, before any refresh tick.
TEST_F(PowerPopup, AShowPaintsTheLevelSetWhileHidden) {
    WriteBlue();
    WriteGreen();
    WriteRed();
    Create(1, 0);
    ShowAndLetFirstHidePass();
    ShowLevel(1);
    popup->ShowWindow(SW_HIDE);

    for (int level : {3, 2, 1}) {
        SCOPED_TRACE(level);
        popup->level = level;
        popup->ShowWindow(SW_SHOW);
        ::UpdateWindow(Popup());
        EXPECT_EQ(ControlText(Popup(), IDC_PWR_TEXT), "PowerLevel 0x30= " + std::to_string(level));
        const COLORREF expected = ToColorRef(level == 3 ? kRed : level == 2 ? kGreen : kBlue);
        EXPECT_EQ(Pixel(3, 3), expected);
        popup->ShowWindow(SW_HIDE);
    }
}

TEST_F(PowerPopup, PaintsTheBitmapOfItsLevelTiledFromTheTopLeft) {
    WriteBlue();
    WriteGreen();
    WriteRed();
    Create(1, 0);
    ShowAndLetFirstHidePass();

    ShowLevel(1);
    EXPECT_EQ(Pixel(3, 3), ToColorRef(kBlue));
    EXPECT_EQ(Pixel(kWidth - 1, kHeight - 1), ToColorRef(kBlue));

    ShowLevel(2);
    EXPECT_EQ(Pixel(10, 10), ToColorRef(kGreen));
    EXPECT_EQ(Pixel(60, 10), ToColorRef(kDarkGreen));
    EXPECT_EQ(Pixel(kGreenWidth + 10, 10), ToColorRef(kGreen)) << "tiled across";
    EXPECT_EQ(Pixel(60, kGreenHeight + 10), ToColorRef(kDarkGreen)) << "tiled down";

    // Every level that is not 1 or 2 is shown red.
    for (int level : {3, 0, 4, 1, 3}) {
        SCOPED_TRACE(level);
        ShowLevel(level);
        const COLORREF expected = ToColorRef(level == 1 ? kBlue : kRed);
        EXPECT_EQ(Pixel(3, 3), expected);
        EXPECT_EQ(Pixel(kWidth / 2, kHeight / 2), expected);
    }
}

TEST_F(PowerPopup, MissingLevel2BitmapIsSilentAndLevel2KeepsTheDefaultBackground) {
    WriteBlue();
    WriteRed();
    Create(2, 0);
    EXPECT_TRUE(boxes.empty());
    ShowAndLetFirstHidePass();
    EXPECT_TRUE(SameRect(WindowRect(Popup()), ExpectedBounds(kWidth, kHeight, false)));

    ShowLevel(2);
    EXPECT_EQ(Pixel(10, 10), ::GetSysColor(COLOR_3DFACE));
    ShowLevel(1);
    EXPECT_EQ(Pixel(10, 10), ToColorRef(kBlue));
    ShowLevel(3);
    EXPECT_EQ(Pixel(10, 10), ToColorRef(kRed));
}

TEST_F(PowerPopup, MissingLevel1BitmapShowsBothMessagesThenTakesTheTemplatesSize) {
    WriteGreen();
    WriteRed();
    Create(1, 0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, L"提示");
    EXPECT_EQ(boxes[0].text, L"导入背景图失败!");
    EXPECT_EQ(boxes[1].caption, L"GlintPopupTests");
    EXPECT_EQ(boxes[1].text, Widen(PathInFolder(skin.Path(), skin_files::kPopupBitmaps[0])));

    const SIZE size = TemplateSize();
    ASSERT_GT(size.cx, 0);
    ASSERT_GT(size.cy, 0);
    ShowAndLetFirstHidePass();
    EXPECT_TRUE(SameRect(WindowRect(Popup()), ExpectedBounds(size.cx, size.cy, false)));

    ShowLevel(1);
    EXPECT_EQ(Pixel(10, 10), ::GetSysColor(COLOR_3DFACE));
    ShowLevel(2);
    EXPECT_EQ(Pixel(10, 10), ToColorRef(kGreen));
}

TEST_F(PowerPopup, TestButtonOnlyPlacesThePopup) {
    WriteBlue();
    Create(1, 1);
    HWND button = ::GetDlgItem(Popup(), IDC_PWR_TEST);
    ASSERT_NE(button, nullptr);
    ::SendMessageA(Popup(), WM_COMMAND, MAKEWPARAM(IDC_PWR_TEST, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    EXPECT_TRUE(SameRect(WindowRect(Popup()), ExpectedBounds(kWidth, kHeight, true)));
    EXPECT_FALSE(IsTopmost(Popup()));
}

} // namespace
