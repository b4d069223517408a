// The program installed in a folder, and under a file name, that the ANSI code page of an English
// system cannot spell: the skin still loads, for the window, its buttons and the popup.
#include <gtest/gtest.h>

#include "glint_test.h"
#include "input.h"
#include "led/mode_row.h"
#include "program_copy.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "skin_checks.h"
#include "tests/support/scratch_folder.h"
#include "window_find.h"

namespace {

using namespace e2e;

class WideFolder : public GlintTest {};

TEST_F(WideFolder, ChineseFolderAndProgramNameOnAnEnglishSystemLoadEverySkinFile) {
    // Code page 1252 has no Chinese characters: the narrow calls would give '?' for them.
    ASSERT_EQ(::GetACP(), 1252u) << "the test needs an English system";
    // 发光控制 \ 发光灯.exe
    ProgramCopy copy(testsupport::NewScratchFolder("glint_wide") / L"\u53D1\u5149\u63A7\u5236",
                     L"\u53D1\u5149\u706F.exe");
    ASSERT_TRUE(copy.Ready());
    ASSERT_TRUE(copy.CopyIoDll());
    ASSERT_TRUE(copy.CopySkin("skin_EN"));
    LaunchOptions options;
    options.program = copy.Program();
    ASSERT_NO_FATAL_FAILURE(StartGlint(options));
    EXPECT_TRUE(VisibleMessageBoxes(*glint).empty()) << "the background did not load";
    MoveMouseAway();

    const Image background = LoadBmp(BuiltSkinFile("skin_EN", skin_files::kBackground));
    const BackgroundSamples samples = WaitForBackground(mainWindow, background);
    EXPECT_TRUE(samples.AllMatch())
        << samples.matching << " of " << samples.samples << " background samples";
    EXPECT_EQ(ButtonsWithoutTheirPlainIcons(mainWindow, "skin_EN"), "");
    KeepScreenshot(mainWindow, "main_window_chinese_folder");

    // The icons a click loads come from the same folder.
    Click(ControlCenter(mainWindow, IDC_RAINBOW));
    MoveMouseAway();
    double selected = 0;
    EXPECT_TRUE(WaitUntil([&] {
        selected = ButtonMatchesIcon(
            mainWindow, IDC_RAINBOW,
            BuiltSkinFile("skin_EN", skin_files::kModeRowIcons[RowOfButton(IDC_RAINBOW)].selected));
        return selected > 0.97;
    })) << "RainBow selected: "
        << selected;

    // So do the popup's bitmaps: no message about them, and the level's colour.
    ASSERT_TRUE(glint->Ec().SetPowerLevel(2));
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        popup = FindPopup(*glint);
        return popup != nullptr && ::IsWindowVisible(popup);
    }));
    const Image green = LoadBmp(BuiltSkinFile("skin_EN", skin_files::kPopupBitmaps[1]));
    double match = 0;
    EXPECT_TRUE(WaitUntil([&] {
        const SIZE size = SizeOf(WindowRect(popup));
        match = MatchRatio(CaptureWindow(popup), Tiled(green, size.cx, size.cy), 0, 8);
        return match > 0.95;
    })) << "popup matches its bitmap: "
        << match;
    EXPECT_TRUE(VisibleMessageBoxes(*glint).empty()) << "the popup's bitmaps did not load";
}

} // namespace
