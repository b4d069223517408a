// The program run from folders of its own: missing background, missing icons, missing or
// incomplete io.dll and a closed port driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "file_ops.h"
#include "glint_test.h"
#include "input.h"
#include "program_copy.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "skin_checks.h"
#include "tests/support/scratch_folder.h"
#include "tools/ecsim/state/unix_path.h"
#include "window_find.h"

namespace {

using namespace e2e;

const wchar_t kBackgroundFailedCaption[] = L"\u63D0\u793A"; // 提示
// 导入背景图失败,使用默认图片!
const wchar_t kBackgroundFailedText[] =
    L"\u5BFC\u5165\u80CC\u666F\u56FE\u5931\u8D25,\u4F7F\u7528\u9ED8\u8BA4\u56FE\u7247!";

bool IsBackgroundMessage(HWND window) {
    return ::IsWindowVisible(window) && ClassName(window) == kDialogClass &&
           WindowText(window) == kBackgroundFailedCaption;
}

std::vector<std::wstring> StaticTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(ClassName(child).c_str(), L"Static") == 0 && !WindowText(child).empty()) {
            texts.push_back(WindowText(child));
        }
    }
    return texts;
}

class SkinFiles : public GlintTest {
protected:
    void SetUp() override {
        copy = std::make_unique<ProgramCopy>(testsupport::NewScratchFolder("glint_copy"));
        ASSERT_TRUE(copy->Ready());
    }
    void TearDown() override {
        GlintTest::TearDown();
        copy.reset();
    }
    LaunchOptions FromCopy() const {
        LaunchOptions options;
        options.program = copy->Program();
        return options;
    }
    std::unique_ptr<ProgramCopy> copy;
};

TEST_F(SkinFiles, MissingBackgroundShowsOneMessageThenTheBuiltInBitmap) {
    ASSERT_TRUE(copy->CopyIoDll());
    ASSERT_TRUE(copy->CopySkin("skin_EN"));
    ASSERT_TRUE(RemoveFile(copy->SkinFolder("skin_EN") / skin_files::kBackground));
    ASSERT_NO_FATAL_FAILURE(Launch(FromCopy()));

    const HWND message = glint->WaitForWindow(IsBackgroundMessage, kStartTimeout);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(StaticTexts(message), std::vector<std::wstring>{kBackgroundFailedText});
    // The picture is kept once the box has painted its text.
    WaitUntil([&] {
        const Image box = CaptureWindow(message);
        return std::count_if(box.pixels.begin(), box.pixels.end(),
                             [](std::uint32_t pixel) { return (pixel & 0xFF) < 0x60; }) > 50;
    });
    KeepScreenshot(message, "background_missing_message");
    // The window comes up only once the message is dismissed.
    EXPECT_EQ(glint->WaitForMainWindow(0ms), nullptr);
    Click(ControlCenter(message, IDOK));

    mainWindow = glint->WaitForMainWindow();
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(glint->FindWindowWhere(IsBackgroundMessage), nullptr) << "a second message";
    MoveMouseAway();
    const Image builtIn = LoadBmp(GLINT_BUILTIN_BACKGROUND);
    ASSERT_EQ(builtIn.width, 1024);
    ASSERT_EQ(builtIn.height, 769);
    const BackgroundSamples samples = WaitForBackground(mainWindow, builtIn);
    EXPECT_TRUE(samples.AllMatch()) << samples.matching << " of " << samples.samples;
    // The icons are there all the same.
    EXPECT_EQ(ButtonsWithoutTheirPlainIcons(mainWindow, "skin_EN"), "");
}

TEST_F(SkinFiles, BackgroundAloneGivesButtonsWithoutIconsAndNoMessage) {
    ASSERT_TRUE(copy->CopyIoDll());
    ASSERT_TRUE(copy->CopySkinFile("skin_EN", skin_files::kBackground));
    ASSERT_NO_FATAL_FAILURE(StartGlint(FromCopy()));
    EXPECT_EQ(glint->FindWindowWhere(IsBackgroundMessage), nullptr);
    MoveMouseAway();

    const Image background = LoadBmp(BuiltSkinFile("skin_EN", skin_files::kBackground));
    EXPECT_TRUE(WaitForBackground(mainWindow, background).AllMatch());
    for (const skin_files::ButtonIcons& button : skin_files::kButtonIcons) {
        if (button.control == IDC_STATIC_TEST) {
            continue;
        }
        double plain = 0;
        EXPECT_TRUE(WaitUntil([&] {
            plain = ButtonIsPlainFace(mainWindow, button.control);
            return plain > 0.99;
        })) << button.control
            << ": " << plain;
    }
    KeepScreenshot(mainWindow, "main_window_without_icons");

    // A click still selects the mode; its button stays without an icon.
    Click(ControlCenter(mainWindow, IDC_RAINBOW));
    EXPECT_TRUE(WaitUntil([&] { return glint->Ec().ModeRegister() == 2; }));
    MoveMouseAway();
    EXPECT_TRUE(WaitUntil([&] { return ButtonIsPlainFace(mainWindow, IDC_RAINBOW) > 0.99; }));
}

TEST_F(SkinFiles, WithoutIoDllOrPawnIoTheProgramNamesBothAndEndsWithOne) {
    ASSERT_TRUE(copy->CopySkin("skin_EN"));
    ASSERT_NO_FATAL_FAILURE(Launch(FromCopy()));
    ASSERT_NO_FATAL_FAILURE(
        ExpectStartFailure({L"io.dll was not found beside glint.exe", L"PawnIO is not installed"},
                           "start_failure_no_io_dll"));
    EXPECT_TRUE(glint->Ec().Accesses().empty());
}

TEST_F(SkinFiles, IoDllLackingAFunctionIsNamedAsSuch) {
    ASSERT_TRUE(copy->CopyIoDllFrom(ecsim::WindowsPathFromUnix(GLINT_E2E_IO_DLL_LACKING_EXPORT)));
    ASSERT_TRUE(copy->CopySkin("skin_EN"));
    ASSERT_NO_FATAL_FAILURE(Launch(FromCopy()));
    ASSERT_NO_FATAL_FAILURE(ExpectStartFailure({L"lacks a function that Glint Controls needs"},
                                               "start_failure_missing_function"));
    EXPECT_TRUE(glint->Ec().Accesses().empty());
}

TEST_F(SkinFiles, WithTheDriverClosedTheProgramAsksToBeRunAsAdministrator) {
    ASSERT_TRUE(copy->CopyIoDll());
    ASSERT_TRUE(copy->CopySkin("skin_EN"));
    LaunchOptions options = FromCopy();
    options.prepareEc = [](EcSim& ec) {
        ec.State().SetDriverOpen(false);
    };
    ASSERT_NO_FATAL_FAILURE(Launch(options));
    ASSERT_NO_FATAL_FAILURE(ExpectStartFailure({L"Run Glint Controls as administrator"},
                                               "start_failure_driver_closed"));
    EXPECT_TRUE(glint->Ec().Accesses().empty());
}

} // namespace
