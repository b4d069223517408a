// glintctl's commands in this process on a simulated EC of each test's own.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

#include <cstdlib>
#include <fstream>

#include "cli/linux/file_bus_lock.h"
#include "flat_json.h"
#include "led/led_mode.h"
#include "sim_rig.h"

namespace {

constexpr std::uint16_t kModeRegister = 0xC400 + 0xFC;
constexpr std::uint16_t kControlByte = 0xC400 + 0x22;
constexpr std::uint16_t kLevelRegister = 0xC400 + 0xFD;
constexpr std::uint16_t kStartupByte = 0x1060;

std::map<std::string, std::string> Json(const std::string& out) {
    const auto fields = ParseFlatJson(out.substr(0, out.find('\n')));
    EXPECT_TRUE(fields.has_value()) << out;
    return fields.value_or(std::map<std::string, std::string>{});
}

TEST(GlintctlStatus, ReportsTheChipTheModeTheControlByteAndTheLevel) {
    SimRig rig;
    rig.state.Poke(kModeRegister, 4);
    rig.state.Poke(kControlByte, 0xA5);
    rig.state.Poke(kLevelRegister, 3);
    rig.state.ClearTrace();

    const SimRig::Result json = rig.Run({"status", "--json"});
    EXPECT_EQ(json.exitCode, 0) << json.err;
    const auto fields = Json(json.out);
    EXPECT_EQ(fields.at("port_access"), "simulated");
    EXPECT_EQ(fields.at("chip_id"), "[85,112]");
    EXPECT_EQ(fields.at("recognised"), "true");
    EXPECT_EQ(fields.at("register_base"), "50176");
    EXPECT_EQ(fields.at("mode"), "4");
    EXPECT_EQ(fields.at("mode_name"), "colorloop");
    EXPECT_EQ(fields.at("control_byte"), "165");
    EXPECT_EQ(fields.at("level"), "3");

    const SimRig::Result text = rig.Run({"status"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("0x55 0x70 (IT557x)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("colorloop (4)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("0xA5"), std::string::npos) << text.out;
    // Reading the status writes nothing, not even the start-up byte.
    EXPECT_TRUE(rig.EcWrites().empty());
}

TEST(GlintctlStatus, ShowsAnUnknownModeAndALevelOutsideOneToThreeAsSuch) {
    SimRig rig;
    rig.state.Poke(kModeRegister, 9);
    rig.state.Poke(kLevelRegister, 0);
    const auto fields = Json(rig.Run({"status", "--json"}).out);
    EXPECT_EQ(fields.at("mode"), "9");
    EXPECT_EQ(fields.at("mode_name"), "null");
    EXPECT_EQ(fields.at("level"), "null");
}

TEST(GlintctlMode, WritesEachModeAndBitZeroOfTheControlByteKeepingBitsOneToSeven) {
    for (const ModeEntry& entry : kModes) {
        const std::string name(entry.name);
        const int code = static_cast<int>(entry.mode);
        // Bit 0 is cleared for on only: each mode finds it the other way.
        const bool on = entry.mode == LedMode::On;
        const int controlBefore = on ? 0xA5 : 0xA4;
        const int controlAfter = on ? 0xA4 : 0xA5;
        SimRig rig;
        rig.state.Poke(kControlByte, static_cast<std::uint8_t>(controlBefore));
        rig.state.ClearTrace();
        const SimRig::Result result = rig.Run({"mode", name, "--json"});
        EXPECT_EQ(result.exitCode, 0) << name << ": " << result.err;
        EXPECT_EQ(rig.Byte(kModeRegister), code) << name;
        EXPECT_EQ(rig.Byte(kControlByte), controlAfter) << name;
        // What the EC holds, read back.
        const auto fields = Json(result.out);
        EXPECT_EQ(fields.at("mode"), std::to_string(code)) << name;
        EXPECT_EQ(fields.at("mode_name"), name);
        EXPECT_EQ(fields.at("control_byte"), std::to_string(controlAfter)) << name;
        // As the window program: the start-up byte first, then mode register, then control.
        EXPECT_EQ(rig.EcWrites(),
                  (std::vector<std::uint16_t>{kStartupByte, kModeRegister, kControlByte}))
            << name;
        EXPECT_EQ(rig.Byte(kStartupByte), 0x80);
    }
}

TEST(GlintctlMode, ResumeWritesTheLastModeSetAndNothingBeforeAnyWasSet) {
    SimRig rig;
    const SimRig::Result before = rig.Run({"resume"});
    EXPECT_EQ(before.exitCode, 0);
    EXPECT_NE(before.err.find("nothing to write"), std::string::npos) << before.err;
    EXPECT_TRUE(rig.EcWrites().empty());

    ASSERT_EQ(rig.Run({"mode", "breath"}).exitCode, 0);
    ASSERT_EQ(rig.Run({"mode", "on"}).exitCode, 0);
    // Sleep left the EC in its own mode.
    rig.state.Poke(kModeRegister, 0);
    rig.state.Poke(kControlByte, 0x01);
    const SimRig::Result resumed = rig.Run({"resume", "--json"});
    EXPECT_EQ(resumed.exitCode, 0) << resumed.err;
    EXPECT_EQ(rig.Byte(kModeRegister), 1);
    EXPECT_EQ(rig.Byte(kControlByte), 0x00);
    EXPECT_EQ(Json(resumed.out).at("mode_name"), "on");
}

TEST(GlintctlMode, OnTheSimulatedEcTheModeIsKeptBesideItsStateFileNotForTheHardware) {
    SimRig rig;
    const std::string sim = rig.statePath.path.string();
    const std::filesystem::path kept = sim + ".glint";
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(glintctl::RunGlintctl({"mode", "rainbow", "--sim", sim}, out, err), 0) << err.str();
    EXPECT_TRUE(std::filesystem::exists(kept / "mode"));
    rig.state.Poke(kModeRegister, 0);
    EXPECT_EQ(glintctl::RunGlintctl({"resume", "--sim", sim}, out, err), 0) << err.str();
    EXPECT_EQ(rig.Byte(kModeRegister), 2);
    std::filesystem::remove_all(kept);
}

TEST(GlintctlMode, ResumeRefusesAKeptFileThatHoldsNoMode) {
    SimRig rig;
    std::filesystem::create_directories(rig.stateDir);
    std::ofstream(std::filesystem::path(rig.stateDir) / "mode") << "purple\n";
    rig.state.ClearTrace();
    const SimRig::Result result = rig.Run({"resume"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("holds no mode name; nothing was written"), std::string::npos)
        << result.err;
    EXPECT_TRUE(rig.EcWrites().empty());
}

// Firmware may ignore writes right after wake-up.
TEST(GlintctlMode, ResumeWritesAgainWhileTheEcIgnoresItAndGivesUpWithFiveWhenItNeverHoldsIt) {
    SimRig rig;
    ASSERT_EQ(rig.Run({"mode", "breath"}).exitCode, 0);
    rig.state.Poke(kModeRegister, 0);
    rig.state.ClearTrace();
    // The first try's start-up byte, mode and control byte.
    ASSERT_TRUE(rig.state.SetIgnoredWrites(3));
    const SimRig::Result later = rig.Run({"resume"});
    EXPECT_EQ(later.exitCode, 0) << later.err;
    EXPECT_EQ(rig.Byte(kModeRegister), 3);
    const std::vector<std::uint16_t> writes = rig.EcWrites();
    EXPECT_EQ(std::count(writes.begin(), writes.end(), kModeRegister), 2);

    ASSERT_TRUE(rig.state.SetIgnoredWrites(0xFFFFFFFF));
    rig.state.Poke(kModeRegister, 0);
    const SimRig::Result never = rig.Run({"resume"});
    EXPECT_EQ(never.exitCode, 5);
    EXPECT_NE(never.err.find("does not hold breath (3)"), std::string::npos) << never.err;
}

TEST(GlintctlChip, AnUnrecognisedChipIsReportedAndWrittenOnlyWhenForced) {
    SimRig rig;
    rig.state.Poke(0x2000, 0x55);
    rig.state.Poke(0x2001, 0x72);
    rig.state.ClearTrace();

    const SimRig::Result status = rig.Run({"status", "--json"});
    EXPECT_EQ(status.exitCode, 0);
    const auto fields = Json(status.out);
    EXPECT_EQ(fields.at("recognised"), "false");
    EXPECT_EQ(fields.at("register_base"), "1024");

    for (const char* command : {"mode", "resume"}) {
        if (std::string(command) == "resume") {
            std::filesystem::create_directories(rig.stateDir);
            std::ofstream(std::filesystem::path(rig.stateDir) / "mode") << "breath\n";
        }
        const SimRig::Result refused = command == std::string("mode")
                                           ? rig.Run({"mode", "breath", "--json"})
                                           : rig.Run({"resume", "--json"});
        EXPECT_EQ(refused.exitCode, 3) << command;
        EXPECT_EQ(Json(refused.out).at("exit_code"), "3") << command;
        EXPECT_TRUE(rig.EcWrites().empty()) << command;
    }

    const SimRig::Result forced = rig.Run({"mode", "breath", "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    // The window program's register base and start-up byte for such a chip.
    EXPECT_EQ(rig.Byte(0x400 + 0xFC), 3);
    EXPECT_EQ(rig.Byte(kStartupByte), 0x00);
    EXPECT_EQ(rig.Byte(kModeRegister), 0);
}

TEST(GlintctlBus, ABusHeldByAnotherInstanceEndsWithExitFourAndWritesNothing) {
    SimRig rig;
    rig.state.ClearTrace();
    std::string failure;
    auto otherInstance = glintctl::FileBusLock::Open(rig.lockPath, getuid(), failure);
    ASSERT_NE(otherInstance, nullptr);
    ASSERT_TRUE(otherInstance->Acquire(0));

    const SimRig::Result mode = rig.Run({"mode", "rainbow", "--json"});
    EXPECT_EQ(mode.exitCode, 4);
    EXPECT_EQ(Json(mode.out).at("exit_code"), "4");
    EXPECT_TRUE(rig.EcWrites().empty());
    EXPECT_EQ(rig.Run({"level"}).exitCode, 4);

    otherInstance->Release();
    EXPECT_EQ(rig.Run({"mode", "rainbow"}).exitCode, 0);
    EXPECT_EQ(rig.Byte(kModeRegister), 2);
}

TEST(GlintctlAccess, NoPortAccessEndsWithExitTwo) {
    SimRig rig;
    rig.state.SetDriverOpen(false);
    const SimRig::Result closed = rig.Run({"status"});
    EXPECT_EQ(closed.exitCode, 2);
    EXPECT_NE(closed.err.find("driver is closed"), std::string::npos) << closed.err;

    std::ofstream(rig.statePath.path, std::ios::trunc) << "not a state";
    EXPECT_EQ(rig.Run({"status"}).exitCode, 2);
}

// The test command sets GLINT_TEST_RUN (and so does this test's CTest environment): the real
// ports are refused before ioperm is tried, whoever runs the tests.
TEST(GlintctlAccess, TheHardwareBackEndRefusesWhileTheTestCommandRuns) {
    ASSERT_EQ(setenv("GLINT_TEST_RUN", "1", 1), 0);
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = glintctl::RunGlintctl({"status", "--json"}, out, err);
    EXPECT_EQ(exitCode, 2);
    EXPECT_NE(err.str().find("GLINT_TEST_RUN"), std::string::npos) << err.str();
    EXPECT_EQ(Json(out.str()).at("exit_code"), "2");
}

TEST(GlintctlUsage, CommandLinesThatAreNotUnderstoodEndWithExitOneAndNoPortAccess) {
    SimRig rig;
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"paint"},
        {"mode"},
        {"mode", "purple"},
        {"mode", "on", "off"},
        {"status", "extra"},
        {"status", "--colour"},
    };
    for (const auto& args : wrong) {
        const SimRig::Result result = rig.Run(args);
        EXPECT_EQ(result.exitCode, 1) << (args.empty() ? "" : args.front());
        EXPECT_FALSE(result.err.empty());
        EXPECT_TRUE(result.out.empty());
    }
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(glintctl::RunGlintctl({"status", "--sim"}, out, err), 1);
    EXPECT_EQ(rig.state.Trace()->size(), 0u);
}

TEST(GlintctlUsage, HelpDescribesEveryCommandAndTheExitCodes) {
    SimRig rig;
    const SimRig::Result general = rig.Run({"--help"});
    EXPECT_EQ(general.exitCode, 0);
    for (const char* word : {"status", "mode", "level", "watch", "resume", "--json", "--force",
                             "--sim", "4  the bus"}) {
        EXPECT_NE(general.out.find(word), std::string::npos) << word;
    }
    for (const char* command : {"status", "mode", "level", "watch", "resume"}) {
        const SimRig::Result own = rig.Run({command, "--help"});
        EXPECT_EQ(own.exitCode, 0);
        EXPECT_EQ(own.out.rfind(std::string("usage: glintctl ") + command, 0), 0u) << own.out;
    }
    EXPECT_EQ(rig.state.Trace()->size(), 0u);
}

} // namespace
