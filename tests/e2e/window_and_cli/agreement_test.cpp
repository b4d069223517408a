// A mode clicked in glint.exe is what glintctl.exe reports, through io.dll and through --sim.
#include <gtest/gtest.h>

#include "flat_json.h"
#include "glint_test.h"
#include "input.h"
#include "res/resource.h"
#include "test_support.h"
#include "window_find.h"

namespace {

using namespace e2e;

class GlintAndGlintctl : public GlintTest {
protected:
    // glintctl.exe as built, with the simulated io.dll beside it, on the window's EC.
    std::map<std::string, std::string> GlintctlStatus(const std::wstring& extraArgs) {
        SetEnvironmentVariableW(L"ECSIM_STATE", glint->Ec().Path().c_str());
        // The io.dll beside the built program is the simulated one.
        SetEnvironmentVariableW(L"GLINT_TEST_RUN", nullptr);
        const std::filesystem::path program = GLINTCTL_EXE;
        std::string output;
        const std::optional<DWORD> exitCode = RunProgramCapturing(
            program, L"status --json " + extraArgs, program.parent_path(), output);
        EXPECT_EQ(exitCode, 0u) << output;
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

} // namespace
