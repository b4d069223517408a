// The system default language chooses the skin folder, the tray menu's language and that of the
// message of a start that cannot reach the EC. Each run of
// this program comes with its language: GLINT_E2E_LANGUAGE_ID, and GLINT_E2E_CHINESE=1 when
// Chinese is expected.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "glint_test.h"
#include "input.h"
#include "program_copy.h"
#include "reference_menu.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "skin_checks.h"
#include "tests/support/scratch_folder.h"
#include "tray.h"
#include "window_find.h"

namespace {

using namespace e2e;

int ExpectedLanguageId() {
    const char* value = std::getenv("GLINT_E2E_LANGUAGE_ID");
    return value != nullptr ? std::atoi(value) : 1033;
}

bool ChineseExpected() {
    const char* value = std::getenv("GLINT_E2E_CHINESE");
    return value != nullptr && std::string(value) == "1";
}

const std::vector<std::wstring> kEnglishMenu{L"01_Open Main UI", L"02_Exit"};
const std::vector<std::wstring> kChineseMenu{L"01_\u6253\u5F00\u4E3B\u754C\u9762",
                                             L"02_\u9000\u51FA"};

class Language : public GlintTest {};

// Without the locale installed Wine falls back to 1033 and the other runs would prove nothing.
TEST_F(Language, WineRunsUnderTheExpectedSystemLanguage) {
    EXPECT_EQ(::GetSystemDefaultLangID(), ExpectedLanguageId())
        << "is the locale generated? (scripts/setup.sh)";
}

TEST_F(Language, SkinFolderFollowsTheSystemLanguage) {
    ProgramCopy copy(testsupport::NewScratchFolder("glint_language"));
    ASSERT_TRUE(copy.Ready());
    ASSERT_TRUE(copy.CopyIoDll());
    const std::uint32_t red = Rgb(200, 30, 30);
    const std::uint32_t blue = Rgb(30, 30, 200);
    ASSERT_TRUE(WriteSolidBmp(copy.SkinFolder("skin_EN") / skin_files::kBackground, 64, 48, red));
    ASSERT_TRUE(WriteSolidBmp(copy.SkinFolder("skin_CN") / skin_files::kBackground, 64, 48, blue));
    LaunchOptions options;
    options.program = copy.Program();
    ASSERT_NO_FATAL_FAILURE(StartGlint(options));
    MoveMouseAway();

    Image expected;
    expected.width = 1;
    expected.height = 1;
    expected.pixels = {ChineseExpected() ? blue : red};
    const BackgroundSamples samples = WaitForBackground(mainWindow, expected);
    EXPECT_TRUE(samples.AllMatch())
        << samples.matching << " of " << samples.samples << " samples in the "
        << (ChineseExpected() ? "skin_CN" : "skin_EN") << " colour";
    glint.reset();
}

TEST_F(Language, TrayMenuIsInTheSystemLanguage) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    Click(ControlCenter(mainWindow, IDC_MIN));
    ASSERT_TRUE(WaitUntil([&] { return TrayIconPresent(mainWindow); }));
    ASSERT_TRUE(WaitUntil([] { return WineTrayWindow() != nullptr; }));
    const POINT icon = WineTrayIconCenter();

    // Menus of this process with either language's entries, where the program's will open: at
    // the cursor of the right click. The mouse stays away so that no entry is highlighted and
    // no tooltip of the icon covers a menu.
    MoveMouseAway();
    const Image english = ReferenceMenu(kEnglishMenu, icon);
    const Image chinese = ReferenceMenu(kChineseMenu, icon);
    ASSERT_FALSE(english.Empty());
    ASSERT_FALSE(chinese.Empty());
    ASSERT_LT(MatchRatio(english, chinese, 0, 2), 0.99) << "the references must tell apart";
    const Image& expected = ChineseExpected() ? chinese : english;
    const Image& other = ChineseExpected() ? english : chinese;

    // Under Wine a menu opened under a busy machine now and then stays half drawn; it is closed
    // and opened again a few times, but a menu in the other language fails at once.
    Image shown;
    bool recognised = false;
    for (int attempt = 0; attempt < 3 && !recognised; ++attempt) {
        RightClick(icon);
        MoveMouseAway();
        const HWND menu = glint->WaitForWindow(
            [](HWND w) { return ClassName(w) == kMenuClass && ::IsWindowVisible(w); });
        ASSERT_NE(menu, nullptr);
        recognised = WaitUntil([&] {
            shown = CaptureWindow(menu);
            return MatchRatio(shown, expected, 0, 2) > 0.99 ||
                   MatchRatio(shown, other, 0, 2) > 0.99;
        });
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(menu) || !::IsWindowVisible(menu); }));
    }
    EXPECT_TRUE(recognised) << "the menu looks like neither reference";
    EXPECT_GT(MatchRatio(shown, expected, 0, 2), 0.99) << "the menu is in the other language";
    const std::string name = ChineseExpected() ? "zh" : std::to_string(ExpectedLanguageId());
    EXPECT_TRUE(SaveBmp(shown, ArtifactPath("tray_menu_" + name + ".bmp")));
    EXPECT_TRUE(SaveBmp(expected, ArtifactPath("tray_menu_" + name + "_reference.bmp")));
}

TEST_F(Language, AFailedStartSaysWhyInTheSystemLanguage) {
    ProgramCopy copy(testsupport::NewScratchFolder("glint_language"));
    ASSERT_TRUE(copy.Ready());
    ASSERT_TRUE(copy.CopySkin("skin_EN"));
    std::wstring text;
    ASSERT_NO_FATAL_FAILURE(LaunchWithoutPortAccess(copy, text));
    // "在 glint.exe 所在的文件夹中找不到 io.dll" or its English counterpart.
    const std::wstring expected =
        ChineseExpected() ? L"\u5728 glint.exe \u6240\u5728\u7684\u6587\u4EF6\u5939\u4E2D"
                            L"\u627E\u4E0D\u5230 io.dll"
                          : L"io.dll was not found beside glint.exe";
    EXPECT_NE(text.find(expected), std::wstring::npos);
    if (ChineseExpected()) {
        KeepBoxScreenshot(startFailureBox, "start_failure_no_io_dll_zh");
    }
    DismissMessageBox(startFailureBox);
    EXPECT_EQ(glint->WaitForExit(), DWORD{1});
}

} // namespace
