// glintctl.exe as a user runs it: a copy of its own in a folder with the simulated io.dll beside
// it, or with the simulated PawnIO installed, or with neither, on a fresh simulated EC.
#include <gtest/gtest.h>

#include <windows.h>

#include "glintctl_run.h"
#include "tests/support/win/pawnio_install.h"
#include "tools/ecsim/state/trace_decode.h"

namespace {

using GlintctlExe = GlintctlRun;

TEST_F(GlintctlExe, StatusReadsTheEcThroughIoDll) {
    ASSERT_NO_FATAL_FAILURE(WithIoDll());
    state.Poke(kModeRegister, 2);
    state.Poke(kControlByte, 0x41);
    const Result result = Run(L"status --json");
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    ASSERT_FALSE(result.json.empty()) << result.output;
    EXPECT_EQ(result.json.at("chip_id"), "[85,112]");
    EXPECT_EQ(result.json.at("register_base"), "50176");
    EXPECT_EQ(result.json.at("mode_name"), "rainbow");
    EXPECT_EQ(result.json.at("control_byte"), "65");
    EXPECT_EQ(result.json.at("level"), "1");
    EXPECT_EQ(EcWrites(), 0u);
}

TEST_F(GlintctlExe, ModeWritesTheModeAndTheControlBitThroughIoDll) {
    ASSERT_NO_FATAL_FAILURE(WithIoDll());
    state.Poke(kControlByte, 0xFF);
    const Result on = Run(L"mode on --json");
    EXPECT_EQ(on.exitCode, 0u) << on.output;
    EXPECT_EQ(state.Peek(kModeRegister), 1);
    EXPECT_EQ(state.Peek(kControlByte), 0xFE);
    EXPECT_EQ(on.json.at("control_byte"), "254");

    const Result breath = Run(L"mode breath");
    EXPECT_EQ(breath.exitCode, 0u) << breath.output;
    EXPECT_EQ(state.Peek(kModeRegister), 3);
    EXPECT_EQ(state.Peek(kControlByte), 0xFF);
    EXPECT_NE(breath.output.find("breath (3)"), std::string::npos) << breath.output;
}

TEST_F(GlintctlExe, AnUnrecognisedChipIsNotWrittenUnlessForced) {
    ASSERT_NO_FATAL_FAILURE(WithIoDll());
    state.Poke(0x2001, 0x72);
    state.ClearTrace();
    EXPECT_EQ(Run(L"mode breath").exitCode, 3u);
    EXPECT_EQ(EcWrites(), 0u);
    EXPECT_EQ(Run(L"mode breath --force").exitCode, 0u);
    EXPECT_EQ(state.Peek(0x04FC), 3);
}

TEST_F(GlintctlExe, NoIoDllOrAClosedDriverEndsWithExitTwo) {
    const Result missing = Run(L"status");
    EXPECT_EQ(missing.exitCode, 2u);
    EXPECT_NE(missing.output.find("io.dll was found neither"), std::string::npos) << missing.output;
    EXPECT_NE(missing.output.find("PawnIO is not installed (winget install namazso.PawnIO"),
              std::string::npos)
        << missing.output;

    ASSERT_NO_FATAL_FAILURE(WithIoDll());
    state.SetDriverOpen(false);
    const Result closed = Run(L"status");
    EXPECT_EQ(closed.exitCode, 2u);
    EXPECT_NE(closed.output.find("run as administrator"), std::string::npos) << closed.output;
}

TEST_F(GlintctlExe, OverPawnIoStatusNamesItAndARefusedPortOperationWritesNothingFromIt) {
    const wintest::PawnIoInstall pawnIo(ECSIM_PAWNIO_DLL);
    ASSERT_TRUE(pawnIo.Ready());
    ASSERT_TRUE(std::filesystem::copy_file(ECSIM_PAWNIO_TEST_MODULE, folder / "LpcIO.bin"));
    const Result status = Run(L"status --json");
    EXPECT_EQ(status.exitCode, 0u) << status.output;
    EXPECT_EQ(status.json.count("port_access") ? status.json.at("port_access") : "", "PawnIO");

    // The control byte's data-port read fails: after the identification (2 reads of 12 port
    // operations), the start-up byte (12) and the mode write (12), the 60th operation. The
    // transaction fails whole and runs again; no control byte is written from the failed read.
    state.Poke(kControlByte, 0x40);
    state.ClearTrace();
    ASSERT_TRUE(state.SetPawnIoFailOp(60));
    const Result mode = Run(L"mode breath");
    EXPECT_EQ(mode.exitCode, 0u) << mode.output;
    EXPECT_EQ(state.Peek(kModeRegister), 3);
    EXPECT_EQ(state.Peek(kControlByte), 0x41);
    std::vector<std::pair<ecsim::PortAccess, std::uint16_t>> accesses;
    for (const ecsim::EcAccess& access : ecsim::DecodeEcAccesses(*state.Trace())) {
        accesses.emplace_back(access.access, access.address);
    }
    constexpr auto R = ecsim::PortAccess::Read;
    constexpr auto W = ecsim::PortAccess::Write;
    EXPECT_EQ(accesses,
              (std::vector<std::pair<ecsim::PortAccess, std::uint16_t>>{{R, 0x2000},
                                                                        {R, 0x2001},
                                                                        {W, 0x1060},
                                                                        {W, kModeRegister},
                                                                        {W, kModeRegister},
                                                                        {R, kControlByte},
                                                                        {W, kControlByte},
                                                                        {R, kModeRegister},
                                                                        {R, kControlByte}}));
}

TEST_F(GlintctlExe, GuardOfTheTestCommandRefusesIoDllBeforeLoadingIt) {
    ASSERT_NO_FATAL_FAILURE(WithIoDll());
    state.ClearTrace();
    SetEnvironmentVariableW(L"GLINT_TEST_RUN", L"1");
    const Result refused = Run(L"mode breath");
    SetEnvironmentVariableW(L"GLINT_TEST_RUN", nullptr);
    EXPECT_EQ(refused.exitCode, 2u);
    EXPECT_NE(refused.output.find("GLINT_TEST_RUN"), std::string::npos) << refused.output;
    // No port was reached through the library.
    EXPECT_TRUE(state.Trace()->empty());
    EXPECT_EQ(state.Peek(kModeRegister), 0);
}

} // namespace
