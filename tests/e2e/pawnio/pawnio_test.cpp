// glint.exe reaching the EC through the simulated PawnIO, and the starts that cannot.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "file_ops.h"
#include "glint_test.h"
#include "input.h"
#include "led/led_mode.h"
#include "pawnio_program.h"
#include "res/resource.h"
#include "skin_checks.h"
#include "tools/ecsim/state/unix_path.h"

namespace {

using namespace e2e;

class OverPawnIo : public GlintTest {
protected:
    // Clicks every mode in turn, each once the one before has reached the EC; the program's EC
    // accesses but its polls.
    std::vector<std::string> ClickEveryMode() {
        EcSim& ec = glint->Ec();
        for (const ModeEntry& click : kModes) {
            // From a control byte of 0: bit 0 set but for On.
            const std::uint8_t controlAfter = click.mode == LedMode::On ? 0x00 : 0x01;
            Click(ControlCenter(mainWindow, click.button));
            EXPECT_TRUE(WaitUntil([&] {
                return ec.ModeRegister() == static_cast<std::uint8_t>(click.mode) &&
                       ec.ControlByte() == controlAfter;
            })) << click.name;
        }
        return ec.AccessLogOf(glint->Pid());
    }
};

TEST_F(OverPawnIo, EveryModeClickGivesTheSameEcBytesAsOverIoDll) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    const std::vector<std::string> overIoDll = ClickEveryMode();
    glint.reset();

    PawnIoProgram pawnIo;
    ASSERT_TRUE(pawnIo.Ready());
    ASSERT_NO_FATAL_FAILURE(StartGlint(pawnIo.Options()));
    const std::vector<std::string> overPawnIo = ClickEveryMode();
    // Both ports identify the chip and write the start-up byte; each click writes the mode and
    // rewrites the control byte it read.
    ASSERT_EQ(overIoDll.size(), 6u + 3u * std::size(kModes));
    EXPECT_EQ(overPawnIo, overIoDll);
}

TEST_F(OverPawnIo, ResumeRewritesTheModeAndTheLevelPopupShows) {
    PawnIoProgram pawnIo;
    ASSERT_TRUE(pawnIo.Ready());
    ASSERT_NO_FATAL_FAILURE(StartGlint(pawnIo.Options()));
    EcSim& ec = glint->Ec();
    Click(ControlCenter(mainWindow, IDC_BREATH));
    ASSERT_TRUE(WaitUntil([&] { return ec.ModeRegister() == 3; }));

    ASSERT_TRUE(ec.Poke(0xC4FC, 0));
    ::PostMessageW(mainWindow, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_TRUE(WaitUntil([&] { return ec.ModeRegister() == 3; })) << "rewritten after resume";

    ASSERT_TRUE(ec.SetPowerLevel(3));
    HWND popup = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        popup = FindPopup(*glint);
        return popup != nullptr && ::IsWindowVisible(popup);
    }));
    MoveMouseAway();
    KeepScreenshot(mainWindow, "main_window_over_pawnio");
}

TEST_F(OverPawnIo, IsUsedWhereIoDllsDriverIsClosed) {
    PawnIoProgram pawnIo;
    ASSERT_TRUE(pawnIo.Ready());
    ASSERT_TRUE(pawnIo.Copy().CopyIoDll());
    LaunchOptions options = pawnIo.Options();
    // A closed io.dll drops every access: what reaches the EC came through PawnIO.
    options.prepareEc = [](EcSim& ec) {
        ec.State().SetDriverOpen(false);
    };
    ASSERT_NO_FATAL_FAILURE(StartGlint(options));
    Click(ControlCenter(mainWindow, IDC_RAINBOW));
    EXPECT_TRUE(WaitUntil([&] { return glint->Ec().ModeRegister() == 2; }));
}

// A start where PawnIO is the only way left and it fails: the box says why.
struct PawnIoFailure {
    const char* name;
    std::function<bool(PawnIoProgram&, LaunchOptions&)> prepare;
    const wchar_t* reason;
};

const PawnIoFailure kFailures[] = {
    {"not_elevated",
     [](PawnIoProgram&, LaunchOptions& options) {
         options.prepareEc = [](EcSim& ec) {
             ec.State().SetPawnIoElevated(false);
         };
         return true;
     },
     L"PawnIO refused access: run Glint Controls as administrator"},
    {"module_missing",
     [](PawnIoProgram& program, LaunchOptions&) {
         return RemoveFile(program.Copy().Folder() / "LpcIO.bin");
     },
     L"LpcIO.bin is not beside glint.exe"},
    {"module_empty",
     [](PawnIoProgram& program, LaunchOptions&) {
         return std::ofstream(program.Copy().Folder() / "LpcIO.bin", std::ios::trunc).good();
     },
     L"PawnIO refused LpcIO.bin"},
    // Planted where a search by bare name would find it: the program's folder, which is also the
    // folder it is started in.
    {"library_planted",
     [](PawnIoProgram& program, LaunchOptions&) {
         wintest::PawnIoInstall::RemoveUninstallEntry();
         return CopyOneFile(SimulatedPawnIoLibrary(), program.Copy().Folder() / "PawnIOLib.dll");
     },
     L"PawnIO is not installed"},
};

class PawnIoStartFailure : public GlintTest, public testing::WithParamInterface<PawnIoFailure> {};

TEST_P(PawnIoStartFailure, TheBoxSaysWhatPawnIoLacksAndNothingReachesTheEc) {
    PawnIoProgram pawnIo;
    ASSERT_TRUE(pawnIo.Ready());
    LaunchOptions options = pawnIo.Options();
    ASSERT_TRUE(GetParam().prepare(pawnIo, options));
    ASSERT_NO_FATAL_FAILURE(Launch(options));
    ASSERT_NO_FATAL_FAILURE(
        ExpectStartFailure({L"io.dll was not found beside glint.exe", GetParam().reason},
                           std::string("start_failure_pawnio_") + GetParam().name));
    EXPECT_TRUE(glint->Ec().Accesses().empty());
}

INSTANTIATE_TEST_SUITE_P(Causes, PawnIoStartFailure, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<PawnIoFailure>& failure) {
                             return std::string(failure.param.name);
                         });

// PawnIO's library is 64-bit only: the 32-bit program finds one it cannot load, and is told which
// build to use instead.
TEST_F(OverPawnIo, ALibraryOfTheOtherBitnessIsNamedAsSuch) {
    PawnIoProgram pawnIo;
    ASSERT_TRUE(pawnIo.Ready());
    const wintest::PawnIoInstall otherBitness(ecsim::WindowsPathFromUnix(GLINT_OTHER_BITNESS_DLL));
    ASSERT_TRUE(otherBitness.Ready());
    ASSERT_NO_FATAL_FAILURE(Launch(pawnIo.Options()));
    const wchar_t* reason = sizeof(void*) == 4
                                ? L"PawnIO has no 32-bit library: on 64-bit Windows use the win64"
                                : L"PawnIO's library cannot be loaded";
    ASSERT_NO_FATAL_FAILURE(ExpectStartFailure({reason}, "start_failure_pawnio_other_bitness"));
    EXPECT_TRUE(glint->Ec().Accesses().empty());
}

} // namespace
