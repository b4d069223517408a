// The power-level popup of the running program, driven by changing the simulated EC's level
// register while the program runs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "glint_test.h"
#include "input.h"
#include "popup_probe.h"
#include "program_copy.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "skin_checks.h"
#include "tests/support/scratch_folder.h"
#include "window_find.h"

namespace {

using namespace e2e;
using Ms = std::chrono::milliseconds;

// The tests run with an English system language, so the program reads skin_EN.
constexpr char kSkin[] = "skin_EN";
// The bitmaps of levels 1, 2 and 3.
const char* const kBlue = skin_files::kPopupBitmaps[0];
const char* const kGreen = skin_files::kPopupBitmaps[1];
const char* const kRed = skin_files::kPopupBitmaps[2];

// The monitor hides the popup 3 s after an accepted change; a hide before that is the popup's own.
constexpr Ms kMonitorHide{3000};

Ms Since(std::uint64_t startNs) {
    return std::chrono::duration_cast<Ms>(std::chrono::nanoseconds(ecsim::NowNs() - startNs));
}

class PopupEndToEnd : public GlintTest {
protected:
    void SetUp() override {
        blue = LoadBmp(BuiltSkinFile(kSkin, kBlue));
        green = LoadBmp(BuiltSkinFile(kSkin, kGreen));
        red = LoadBmp(BuiltSkinFile(kSkin, kRed));
        ASSERT_FALSE(blue.Empty());
        ASSERT_FALSE(green.Empty());
        ASSERT_FALSE(red.Empty());
    }

    SIZE PopupSize() const { return SIZE{blue.width, blue.height}; }

    // Writes the level register and returns the ecsim time just before.
    std::uint64_t SetLevel(std::uint8_t level) {
        const std::uint64_t at = ecsim::NowNs();
        EXPECT_TRUE(glint->Ec().SetPowerLevel(level));
        return at;
    }

    // Waits for the popup to be up where it belongs, and returns it.
    HWND WaitShownAt(const RECT& where) {
        HWND shown = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            shown = FindPopup(*glint);
            return shown != nullptr && ::IsWindowVisible(shown) &&
                   SameRect(WindowRect(shown), where);
        })) << "no popup at the expected place";
        return shown;
    }

    // How closely the popup on screen matches what the bitmap gives it.
    double Matches(HWND shown, const Image& bitmap) const {
        const SIZE size = SizeOf(WindowRect(shown));
        return MatchRatio(CaptureWindow(shown), Tiled(bitmap, size.cx, size.cy), 0, 8);
    }

    bool WaitShowing(HWND shown, const Image& bitmap) const {
        return WaitUntil([&] { return Matches(shown, bitmap) > 0.95; });
    }

    // Waits until the program has read value from the level register twice since sinceNs
    // (so it has certainly acted on it), checking meanwhile that the popup's visibility stays.
    void PollTwiceKeeping(HWND shown, std::uint64_t sinceNs, std::uint8_t value, bool visible) {
        bool kept = true;
        EXPECT_TRUE(WaitUntil([&] {
            kept = kept && (shown == nullptr ? FindPopup(*glint) == nullptr
                                             : (::IsWindowVisible(shown) != FALSE) == visible);
            return LevelPollsSince(*glint, sinceNs, value) >= 2;
        })) << "the program did not poll "
            << int{value};
        EXPECT_TRUE(kept) << "reading " << int{value} << " changed the popup";
    }

    Image blue;
    Image green;
    Image red;
};

TEST_F(PopupEndToEnd, FirstChangeShowsTheCentredPopupInTheLevelsColourAndItHidesItself) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EXPECT_EQ(FindPopup(*glint), nullptr) << "no popup before a valid level";

    const std::uint64_t changed = SetLevel(2);
    HWND popup = WaitShownAt(ExpectedPopupRect(PopupSize(), false));
    ASSERT_NE(popup, nullptr);
    const Ms shownAfter = Since(changed);
    // The popup moves into place and is made topmost in the same tick, one call after the other.
    EXPECT_TRUE(WaitUntil([&] {
        return (::GetWindowLongW(popup, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    })) << "not made topmost";
    EXPECT_TRUE(WaitShowing(popup, green)) << "not the level-2 bitmap";
    KeepScreenshot(popup, "popup_level2_green");
    KeepScreenshot(::GetDesktopWindow(), "popup_screen_centred");
    std::cout << "popup up " << shownAfter.count() << " ms after the change\n";

    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }));
    const Ms hiddenAfter = Since(changed);
    // It is placed after the change and hides a second after placement, well before the
    // monitor's own hide.
    EXPECT_GE(hiddenAfter, Ms(1000));
    EXPECT_LT(hiddenAfter, kMonitorHide) << "the first show is ended by the popup itself";
    EXPECT_TRUE(::IsWindow(popup)) << "hidden, not destroyed";
}

TEST_F(PopupEndToEnd, LaterChangesRecolourInPlaceAndKeepItUpThreeSecondsAfterTheLatest) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    const RECT centred = ExpectedPopupRect(PopupSize(), false);
    SetLevel(2);
    HWND popup = WaitShownAt(centred);
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }));

    SetLevel(1);
    ASSERT_EQ(WaitShownAt(centred), popup) << "the popup is reused";
    EXPECT_TRUE(WaitShowing(popup, blue));
    KeepScreenshot(popup, "popup_level1_blue");

    const std::uint64_t turnedRed = SetLevel(3);
    std::optional<Ms> redAfter;
    bool stayedPut = true;
    ASSERT_TRUE(WaitUntil([&] {
        stayedPut = stayedPut && ::IsWindowVisible(popup) && SameRect(WindowRect(popup), centred);
        if (!redAfter && Matches(popup, red) > 0.95) {
            redAfter = Since(turnedRed);
        }
        return redAfter.has_value();
    }));
    EXPECT_TRUE(stayedPut) << "the popup moved or went away while changing colour";
    KeepScreenshot(popup, "popup_level3_red");
    std::cout << "red " << redAfter->count() << " ms after the change\n";

    // Up without a break until the monitor hides it, 3 s after the latest change.
    bool stayedUp = true;
    ASSERT_TRUE(WaitUntil([&] {
        const bool visible = ::IsWindowVisible(popup) != FALSE;
        if (visible) {
            stayedUp = stayedUp && SameRect(WindowRect(popup), centred);
        }
        return !visible;
    }));
    const Ms hiddenAfter = Since(turnedRed);
    EXPECT_TRUE(stayedUp);
    EXPECT_GE(hiddenAfter, kMonitorHide - Ms(100));
}

TEST_F(PopupEndToEnd, ReadingsOutsideOneToThreeChangeNothing) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    for (std::uint8_t reading : {0, 4, 255}) {
        PollTwiceKeeping(nullptr, SetLevel(reading), reading, false);
    }

    SetLevel(2);
    HWND popup = WaitShownAt(ExpectedPopupRect(PopupSize(), false));
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }));
    for (std::uint8_t reading : {0, 4, 255}) {
        PollTwiceKeeping(popup, SetLevel(reading), reading, false);
    }
    // The level last shown is still 2: reading it again is no change either.
    PollTwiceKeeping(popup, SetLevel(2), 2, false);

    SetLevel(3);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(popup); }));
    EXPECT_TRUE(WaitShowing(popup, red));
    // While it is up, an out-of-range reading neither hides nor recolours it.
    PollTwiceKeeping(popup, SetLevel(255), 255, true);
    EXPECT_GT(Matches(popup, red), 0.95);
}

TEST_F(PopupEndToEnd, WhileTheMainWindowIsInTheTrayTheFirstPopupSitsLower) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    MoveMouseAway();
    Click(ControlCenter(mainWindow, IDC_MIN));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(mainWindow); }));

    SetLevel(1);
    HWND popup = WaitShownAt(ExpectedPopupRect(PopupSize(), true));
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(WaitShowing(popup, blue));
    KeepScreenshot(popup, "popup_lowered_tray");
    KeepScreenshot(::GetDesktopWindow(), "popup_screen_lowered");
    bool mainStayedHidden = true;
    ASSERT_TRUE(WaitUntil([&] {
        mainStayedHidden = mainStayedHidden && !::IsWindowVisible(mainWindow);
        return !::IsWindowVisible(popup);
    }));
    EXPECT_TRUE(mainStayedHidden) << "showing the popup brought the main window back";
}

// A copy of the program whose skin lacks one of the popup's bitmaps.
class PopupWithoutBitmap : public PopupEndToEnd {
protected:
    // In a new folder, or in a folder of the given name inside it.
    void StartWithout(const char* missing, const std::wstring& subfolder = {}) {
        const std::filesystem::path folder = testsupport::NewScratchFolder("glint_popup");
        copy = std::make_unique<ProgramCopy>(subfolder.empty() ? folder : folder / subfolder);
        ASSERT_TRUE(copy->Ready());
        ASSERT_TRUE(copy->CopyIoDll());
        for (const auto& entry :
             std::filesystem::directory_iterator(BuiltProgramFolder() / kSkin)) {
            const std::string file = entry.path().filename().string();
            if (file != missing) {
                ASSERT_TRUE(copy->CopySkinFile(kSkin, file)) << file;
            }
        }
        LaunchOptions options;
        options.program = copy->Program();
        ASSERT_NO_FATAL_FAILURE(StartGlint(options));
    }

    void TearDown() override {
        PopupEndToEnd::TearDown();
        copy.reset();
    }

    std::unique_ptr<ProgramCopy> copy;
};

TEST_F(PopupWithoutBitmap, NoLevel2BitmapIsSilentAndLevel2ShowsTheDefaultBackground) {
    ASSERT_NO_FATAL_FAILURE(StartWithout(kGreen));
    SetLevel(2);
    HWND popup = WaitShownAt(ExpectedPopupRect(PopupSize(), false));
    ASSERT_NE(popup, nullptr);
    const std::uint32_t face = [] {
        const COLORREF c = ::GetSysColor(COLOR_3DFACE);
        return Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
    }();
    EXPECT_TRUE(WaitUntil([&] { return ShareOfColour(CaptureWindow(popup), face) > 0.99; }));
    KeepScreenshot(popup, "popup_no_green_level2_default");
    EXPECT_TRUE(VisibleMessageBoxes(*glint).empty());

    // The other levels keep their bitmaps.
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }));
    SetLevel(3);
    EXPECT_TRUE(WaitShowing(popup, red));
    EXPECT_TRUE(VisibleMessageBoxes(*glint).empty());
}

TEST_F(PopupWithoutBitmap, NoLevel1BitmapShowsBothMessagesThenAPopupOfTheTemplatesSize) {
    // 发光控制: the path in the second message as it is, though code page 1252 cannot spell it.
    ASSERT_EQ(::GetACP(), 1252u) << "the test needs an English system";
    ASSERT_NO_FATAL_FAILURE(StartWithout(kBlue, L"\u53D1\u5149\u63A7\u5236"));
    SetLevel(3);

    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const auto boxes = VisibleMessageBoxes(*glint);
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
    }));
    EXPECT_EQ(WindowText(box), L"提示");
    EXPECT_EQ(MessageBoxText(box), L"导入背景图失败!");
    const HWND early = FindPopup(*glint);
    EXPECT_TRUE(early == nullptr || !::IsWindowVisible(early)) << "no popup while the box is up";
    DismissMessageBox(box);

    HWND second = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const auto boxes = VisibleMessageBoxes(*glint);
        second = boxes.empty() || boxes.front() == box ? nullptr : boxes.front();
        return second != nullptr;
    }));
    EXPECT_EQ(WindowText(second), L"glint") << "captioned with the application's name";
    EXPECT_EQ(MessageBoxText(second), (copy->SkinFolder(kSkin) / kBlue).wstring());
    KeepBoxScreenshot(second, "popup_no_blue_path");
    DismissMessageBox(second);

    const SIZE templateSize = PopupTemplateSize(copy->Program());
    ASSERT_GT(templateSize.cx, 0);
    HWND popup = WaitShownAt(ExpectedPopupRect(templateSize, false));
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(WaitShowing(popup, red)) << "level 3 tiles its own bitmap into the popup";
    KeepScreenshot(popup, "popup_no_blue_template_size");
    EXPECT_TRUE(VisibleMessageBoxes(*glint).empty()) << "two messages, no more";
}

} // namespace
