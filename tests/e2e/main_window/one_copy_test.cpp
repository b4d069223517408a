// One copy on the whole machine: a start while a copy runs in another session says so; a start
// while a failed start's box is open runs on its own.
#include <gtest/gtest.h>

#include "framework/owned_handle.h"
#include "glint_test.h"
#include "program_copy.h"
#include "tests/support/scratch_folder.h"
#include "ui/core/one_copy.h"

namespace {

using namespace e2e;

class OneCopy : public GlintTest {};

TEST_F(OneCopy, AStartWhileACopyRunsInAnotherSessionSaysSoAndTouchesNoPort) {
    // What a copy in another session holds: the machine-wide guard, and no marker in this one.
    const OwnedKernelHandle otherSessionsCopy(::CreateMutexW(nullptr, FALSE, kOneCopyGuardName));
    ASSERT_TRUE(otherSessionsCopy);
    ASSERT_NE(::GetLastError(), DWORD{ERROR_ALREADY_EXISTS});
    ASSERT_NO_FATAL_FAILURE(Launch());
    std::wstring text;
    ASSERT_NO_FATAL_FAILURE(WaitForStartFailureBox(text));
    EXPECT_EQ(text, L"Glint Controls is already running in another session on this computer. "
                    L"Only one copy can run at a time.");
    KeepBoxScreenshot(startFailureBox, "runs_in_another_session");
    DismissMessageBox(startFailureBox);
    EXPECT_EQ(glint->WaitForExit(), DWORD{0});
    EXPECT_EQ(glint->WaitForMainWindow(0ms), nullptr);
    EXPECT_TRUE(glint->Ec().Accesses().empty());
}

TEST_F(OneCopy, ACopyStartedWhileAFailedStartsBoxIsOpenSaysWhyOnItsOwn) {
    // Without io.dll or PawnIO, both starts fail.
    ProgramCopy copy(testsupport::NewScratchFolder("glint_one_copy"));
    ASSERT_TRUE(copy.Ready());
    ASSERT_TRUE(copy.CopySkin("skin_EN"));
    std::wstring text;
    ASSERT_NO_FATAL_FAILURE(LaunchWithoutPortAccess(copy, text));
    const std::unique_ptr<GlintProcess> first = std::move(glint);
    const HWND firstBox = startFailureBox;

    std::wstring secondText;
    ASSERT_NO_FATAL_FAILURE(LaunchWithoutPortAccess(copy, secondText));
    EXPECT_EQ(secondText, text);
    DismissMessageBox(startFailureBox);
    EXPECT_EQ(glint->WaitForExit(), DWORD{1});
    DismissMessageBox(firstBox);
    EXPECT_EQ(first->WaitForExit(), DWORD{1});
}

} // namespace
