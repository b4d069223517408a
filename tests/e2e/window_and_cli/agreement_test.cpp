// A mode clicked in glint.exe is what glintctl.exe reports, through io.dll and through --sim.
#include <gtest/gtest.h>

#include "bus_holder.h"
#include "flat_json.h"
#include "glint_test.h"
#include "host_exit_codes.h"
#include "input.h"
#include "led/win/kept_mode_file.h"
#include "res/resource.h"
#include "test_support.h"
#include "window_find.h"

namespace {

using namespace e2e;

class GlintAndGlintctl : public GlintTest {
protected:
    // glintctl.exe as built, with the simulated io.dll beside it, on the window's EC.
    std::optional<DWORD> Glintctl(const std::wstring& args, std::string& output) {
        SetEnvironmentVariableW(L"ECSIM_STATE", glint->Ec().Path().c_str());
        // The io.dll beside the built program is the simulated one.
        SetEnvironmentVariableW(L"GLINT_TEST_RUN", nullptr);
        const std::filesystem::path program = GLINTCTL_EXE;
        return RunProgramCapturing(program, args, program.parent_path(), output);
    }

    std::map<std::string, std::string> GlintctlStatus(const std::wstring& extraArgs) {
        std::string output;
        EXPECT_EQ(Glintctl(L"status --json " + extraArgs, output), 0u) << output;
        return ParseFlatJson(output.substr(0, output.find('\n')))
            .value_or(std::map<std::string, std::string>{});
    }
};

TEST_F(GlintAndGlintctl, TheModeClickedInTheWindowIsTheModeGlintctlReports) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EcSim& ec = glint->Ec();
    for (const auto& [button, code, name] :
         {std::tuple{IDC_BREATH, 3, "breath"}, std::tuple{IDC_ON, 1, "on"}}) {
        Click(ControlCenter(mainWindow, button));
        ASSERT_TRUE(WaitUntil([&] { return ec.ModeRegister() == code; })) << name;
        const auto throughIoDll = GlintctlStatus(L"");
        EXPECT_EQ(throughIoDll.count("mode_name") ? throughIoDll.at("mode_name") : "", name);
        const auto throughSim = GlintctlStatus(L"--sim \"" + ec.Path().wstring() + L"\"");
        EXPECT_EQ(throughSim.count("mode_name") ? throughSim.at("mode_name") : "", name);
        EXPECT_EQ(throughSim.count("control_byte") ? throughSim.at("control_byte") : "",
                  std::to_string(*ec.ControlByte()));
    }
}

// The window program, glintctl.exe and another hardware tool share the ISA bus mutex: while the
// other tool holds it, glintctl.exe writes nothing and says the bus is busy.
TEST_F(GlintAndGlintctl, GlintctlWritesNothingWhileAnotherToolHoldsTheBus) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EcSim& ec = glint->Ec();
    BusHolder otherTool(BusHolder::Ending::Release);
    ASSERT_TRUE(otherTool.Holding());
    const std::uint64_t before = ecsim::NowNs();
    std::string output;
    EXPECT_EQ(Glintctl(L"mode rainbow", output), 4u) << output;
    EXPECT_TRUE(ec.WritesSince(before).empty());
    EXPECT_EQ(otherTool.LetGo(), static_cast<DWORD>(kBusReleased));

    EXPECT_EQ(Glintctl(L"mode rainbow", output), 0u) << output;
    EXPECT_EQ(ec.ModeRegister(), 2);
}

// Restoring on (a mode is kept): a click keeps its mode, and that is what glintctl resume writes
// back; restoring off (none kept): the window keeps nothing.
TEST_F(GlintAndGlintctl, AClickIsKeptForResumeOnlyWhileAModeIsKept) {
    const std::wstring kept = DefaultKeptModeFolder();
    ASSERT_FALSE(kept.empty());
    ASSERT_EQ(RemoveKeptMode(kept), "");
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EcSim& ec = glint->Ec();
    Click(ControlCenter(mainWindow, IDC_BREATH));
    ASSERT_TRUE(WaitUntil([&] { return ec.ModeRegister() == 3; }));
    EXPECT_FALSE(KeptModeExists(kept)) << "the window kept a mode without being asked";

    ASSERT_EQ(WriteKeptMode(kept, LedMode::Auto), "");
    Click(ControlCenter(mainWindow, IDC_RAINBOW));
    EXPECT_TRUE(WaitUntil([&] { return ReadKeptMode(kept).mode == LedMode::RainBow; }));

    // Sleep left the EC in its own mode.
    ASSERT_TRUE(ec.Poke(0xC4FC, 0));
    std::string output;
    EXPECT_EQ(Glintctl(L"resume", output), 0u) << output;
    EXPECT_EQ(ec.ModeRegister(), 2);
    EXPECT_EQ(RemoveKeptMode(kept), "");
}

} // namespace
