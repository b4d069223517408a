#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "temp_state_path.h"
#include "tools/ecsim/cli/ecsim_command.h"
#include "tools/ecsim/state/ec_sim_state.h"

namespace {

struct CommandRig {
    TempStatePath temp;
    std::string out;
    std::string err;

    int Run(std::vector<std::string> args) {
        std::ostringstream outStream;
        std::ostringstream errStream;
        const int code = ecsim::RunEcsimCommand(args, temp.path.string(), outStream, errStream);
        out = outStream.str();
        err = errStream.str();
        return code;
    }
};

TEST(EcsimCommand, MissingAndDamagedStateFilesAreReportedClearly) {
    CommandRig rig;
    EXPECT_EQ(rig.Run({"frobnicate"}), ecsim::kExitUsage);
    EXPECT_EQ(rig.Run({"status"}), ecsim::kExitMissingState);
    EXPECT_NE(rig.err.find("does not exist"), std::string::npos) << rig.err;
    EXPECT_FALSE(std::filesystem::exists(rig.temp.path));

    ASSERT_EQ(rig.Run({"init"}), ecsim::kExitOk);
    std::filesystem::resize_file(rig.temp.path, 1000);
    EXPECT_EQ(rig.Run({"level", "2"}), ecsim::kExitDamagedState);
    EXPECT_NE(rig.err.find("damaged"), std::string::npos) << rig.err;
    EXPECT_EQ(std::filesystem::file_size(rig.temp.path), 1000u);

    EXPECT_EQ(rig.Run({"reset"}), ecsim::kExitOk);
    EXPECT_EQ(rig.Run({"status"}), ecsim::kExitOk);
}

TEST(EcsimCommand, StateFileMustBeNamed) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ecsim::RunEcsimCommand({"status"}, "", out, err), ecsim::kExitUsage);
    EXPECT_NE(err.str().find("ECSIM_STATE"), std::string::npos);
}

TEST(EcsimCommand, StateOptionOverridesTheEnvironment) {
    CommandRig rig;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ecsim::RunEcsimCommand({"--state", rig.temp.path.string(), "init"},
                                     "/nonexistent/dir/state.bin", out, err),
              ecsim::kExitOk);
    EXPECT_TRUE(std::filesystem::exists(rig.temp.path));
}

TEST(EcsimCommand, StatusShowsTheDefaultState) {
    CommandRig rig;
    ASSERT_EQ(rig.Run({"init"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"status"}), ecsim::kExitOk);
    EXPECT_EQ(rig.out, "driver open\npawnio elevated\npawnio_fail_op 0\nignore_writes 0\n"
                       "chip 0x55 0x70\n"
                       "register_base 0xC400\nstartup_byte 0x00\nmode 0x00\ncontrol 0x00\n"
                       "level 0x01\ntrace_entries 0\n");
}

TEST(EcsimCommand, PowerLevelFollowsTheRegisterBaseOfTheChip) {
    CommandRig rig;
    ASSERT_EQ(rig.Run({"init"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"level", "2"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"peek", "0xC4FD"}), ecsim::kExitOk);
    EXPECT_EQ(rig.out, "0x02\n");

    ASSERT_EQ(rig.Run({"chip", "0x55", "0x72"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"level", "3"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"peek", "0x4FD"}), ecsim::kExitOk);
    EXPECT_EQ(rig.out, "0x03\n");
    ASSERT_EQ(rig.Run({"peek", "0xC4FD"}), ecsim::kExitOk);
    EXPECT_EQ(rig.out, "0x02\n");
}

TEST(EcsimCommand, ModeAndControlAreReadAtTheRegisterBase) {
    CommandRig rig;
    ASSERT_EQ(rig.Run({"init"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"poke", "0xC4FC", "3"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"poke", "50210", "0xA5"}), ecsim::kExitOk); // 0xC422
    ASSERT_EQ(rig.Run({"mode"}), ecsim::kExitOk);
    EXPECT_EQ(rig.out, "0x03\n");
    ASSERT_EQ(rig.Run({"control"}), ecsim::kExitOk);
    EXPECT_EQ(rig.out, "0xA5\n");
}

TEST(EcsimCommand, DriverCanBeClosedAndOpened) {
    CommandRig rig;
    ASSERT_EQ(rig.Run({"init"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"driver", "closed"}), ecsim::kExitOk);
    rig.Run({"status"});
    EXPECT_EQ(rig.out.rfind("driver closed\n", 0), 0u) << rig.out;
    ASSERT_EQ(rig.Run({"driver", "open"}), ecsim::kExitOk);
    rig.Run({"status"});
    EXPECT_EQ(rig.out.rfind("driver open\n", 0), 0u) << rig.out;
    EXPECT_EQ(rig.Run({"driver", "ajar"}), ecsim::kExitUsage);
}

TEST(EcsimCommand, PawnIoOpeningCanBeRefusedAndOneOfItsPortOperationsFailed) {
    CommandRig rig;
    ASSERT_EQ(rig.Run({"--help"}), ecsim::kExitOk);
    EXPECT_NE(rig.out.find("pawnio fail-op N"), std::string::npos) << rig.out;
    ASSERT_EQ(rig.Run({"init"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"pawnio", "not-elevated"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"pawnio", "fail-op", "2"}), ecsim::kExitOk);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"pawnio"},
                                                {"pawnio", "admin"},
                                                {"pawnio", "fail-op", "-1"},
                                                {"pawnio", "fail-op", "4294967296"}}) {
        EXPECT_EQ(rig.Run(bad), ecsim::kExitUsage) << bad.back();
    }
    ASSERT_EQ(rig.Run({"status"}), ecsim::kExitOk);
    EXPECT_NE(rig.out.find("\npawnio not-elevated\npawnio_fail_op 2\n"), std::string::npos);
    ASSERT_EQ(rig.Run({"pawnio", "elevated"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"pawnio", "fail-op", "0"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"status"}), ecsim::kExitOk);
    EXPECT_NE(rig.out.find("\npawnio elevated\npawnio_fail_op 0\n"), std::string::npos);
}

TEST(EcsimCommand, BadNumbersAndCommandsAreRejectedWithoutChangingTheState) {
    CommandRig rig;
    ASSERT_EQ(rig.Run({"init"}), ecsim::kExitOk);
    const std::vector<std::vector<std::string>> bad{
        {"level", "256"},          {"level", "-1"},
        {"level", "two"},          {"poke", "0x10000", "1"},
        {"poke", "0x10", "0x100"}, {"peek"},
        {"chip", "0x55"},          {"frobnicate"},
        {"trace", "--port"},       {}};
    for (const auto& args : bad) {
        EXPECT_EQ(rig.Run(args), ecsim::kExitUsage) << (args.empty() ? "" : args[0]);
        EXPECT_NE(rig.err.find("usage:"), std::string::npos);
    }
    rig.Run({"status"});
    EXPECT_NE(rig.out.find("level 0x01\n"), std::string::npos) << rig.out;
}

} // namespace

namespace {

TEST(EcsimCommand, TraceListsPortAccessesAndTheEcBytesTheyCarry) {
    CommandRig rig;
    ASSERT_EQ(rig.Run({"init"}), ecsim::kExitOk);
    {
        auto file = ecsim::StateFile::Open(rig.temp.path, ecsim::StateFile::OpenMode::ExistingOnly);
        ecsim::EcSimState state(*file);
        const std::uint8_t writeOf7AtC4FC[] = {0x2E, 0x11, 0x2F, 0xC4, 0x2E, 0x10,
                                               0x2F, 0xFC, 0x2E, 0x12, 0x2F, 0x07};
        for (std::size_t i = 0; i < sizeof(writeOf7AtC4FC); ++i) {
            state.PortWrite(i % 2 == 0 ? 0x4E : 0x4F, writeOf7AtC4FC[i]);
        }
    }
    const std::string pid = " " + std::to_string(ecsim::CurrentProcessId()) + " ";

    ASSERT_EQ(rig.Run({"trace"}), ecsim::kExitOk);
    std::istringstream lines(rig.out);
    std::vector<std::string> trace;
    for (std::string line; std::getline(lines, line);) {
        trace.push_back(line);
    }
    ASSERT_EQ(trace.size(), 12u);
    EXPECT_NE(trace.front().find(pid + "W 0x4E 0x2E"), std::string::npos) << trace.front();
    EXPECT_NE(trace.back().find(pid + "W 0x4F 0x07"), std::string::npos) << trace.back();

    ASSERT_EQ(rig.Run({"trace", "--ec"}), ecsim::kExitOk);
    EXPECT_NE(rig.out.find(pid + "W 0xC4FC 0x07\n"), std::string::npos) << rig.out;
    EXPECT_EQ(rig.out.find(pid + "W 0xC4FC 0x07\n") + pid.size() + 14, rig.out.size());

    ASSERT_EQ(rig.Run({"clear-trace"}), ecsim::kExitOk);
    ASSERT_EQ(rig.Run({"trace"}), ecsim::kExitOk);
    EXPECT_EQ(rig.out, "");
}

} // namespace
