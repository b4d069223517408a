#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "flat_json.h"
#include "test_support.h"
#include "tools/ecsim/state/trace_decode.h"

constexpr std::uint16_t kModeRegister = 0xC4FC;
constexpr std::uint16_t kControlByte = 0xC422;

// glintctl.exe copied into a scratch folder of its own, run there on a fresh simulated EC, as a
// user runs it.
class GlintctlRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::copy_file(GLINTCTL_EXE, folder / "glintctl.exe"));
        // The io.dll beside this copy is the simulated one, so the guard against the real ports
        // that the test command sets is lifted for these runs; GuardOfTheTestCommand sets it.
        SetEnvironmentVariableW(L"GLINT_TEST_RUN", nullptr);
        // The modes these runs set are kept here, not in the prefix's %ProgramData%\Glint.
        SetEnvironmentVariableW(L"GLINT_STATE_DIR", (folder / "state").c_str());
    }

    void WithIoDll() { ASSERT_TRUE(std::filesystem::copy_file(ECSIM_IO_DLL, folder / "io.dll")); }

    struct Result {
        std::optional<DWORD> exitCode;
        std::string output;
        std::map<std::string, std::string> json; // the output's first JSON line
    };
    Result Run(const std::wstring& args) {
        Result result;
        result.exitCode =
            RunProgramCapturing(folder / "glintctl.exe", args, folder.Path(), result.output);
        std::size_t start = 0;
        while (start < result.output.size()) {
            const std::size_t end = result.output.find('\n', start);
            std::string line = result.output.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (auto fields = ParseFlatJson(line)) {
                result.json = *fields;
                break;
            }
            start = end == std::string::npos ? result.output.size() : end + 1;
        }
        return result;
    }

    std::size_t EcWrites() {
        std::size_t writes = 0;
        for (const ecsim::EcAccess& access : ecsim::DecodeEcAccesses(*state.Trace())) {
            writes += access.access == ecsim::PortAccess::Write ? 1 : 0;
        }
        return writes;
    }

    ScratchFolder folder;
    ecsim::StateFile file = UseNewState(folder / "ec.bin");
    ecsim::EcSimState state{file};
};
