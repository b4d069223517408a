// The state file shared between processes: the real ecsim command changing a state that a
// running program has mapped, processes writing at the same time, a holder of the state lock
// that died.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "interleaved_trace.h"
#include "simulated_ports.h"
#include "temp_state_path.h"
#include "tools/ecsim/state/ec_sim_state.h"

extern char** environ;

namespace {

using ecsim::EcSimState;
using ecsim::OsHandle;
using ecsim::PortAccess;
using ecsim::StateFile;

struct CommandResult {
    int exitCode = -1;
    std::string out;
};

// Runs the ecsim program built beside the tests, as a process of its own.
CommandResult RunEcsim(const std::filesystem::path& state, std::vector<std::string> args) {
    args.insert(args.begin(), {ECSIM_COMMAND, "--state", state.string()});
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    int ends[2];
    if (::pipe(ends) != 0) {
        return {};
    }
    OsHandle readEnd(ends[0]);
    OsHandle writeEnd(ends[1]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, ECSIM_COMMAND, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    writeEnd = OsHandle();
    if (spawned != 0) {
        return {};
    }
    CommandResult result;
    char buffer[256];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof(buffer))) > 0;) {
        result.out.append(buffer, static_cast<std::size_t>(got));
    }
    int status = 0;
    if (::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

// Child processes that start their work together when the gate opens.
class ForkedWorkers {
public:
    ForkedWorkers() {
        int ends[2];
        if (::pipe(ends) == 0) {
            gateRead = OsHandle(ends[0]);
            gateWrite = OsHandle(ends[1]);
        }
    }
    // Children still running when a test has failed are ended, so that it never hangs.
    ~ForkedWorkers() {
        for (const pid_t child : children) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
    }
    ForkedWorkers(const ForkedWorkers&) = delete;
    ForkedWorkers& operator=(const ForkedWorkers&) = delete;

    // The child exits with what work returns.
    template <typename Work> void Start(Work work) {
        const pid_t child = ::fork();
        if (child == 0) {
            gateWrite = OsHandle();
            char ignored = 0;
            (void)!::read(static_cast<int>(gateRead.Get()), &ignored, 1);
            ::_exit(work());
        }
        children.push_back(child);
    }
    void OpenGate() { gateWrite = OsHandle(); }
    // True when every child exited with 0.
    bool Join() {
        OpenGate();
        bool allZero = true;
        for (const pid_t child : children) {
            int status = 0;
            allZero = ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                      WEXITSTATUS(status) == 0 && allZero;
        }
        children.clear();
        return allZero;
    }

private:
    OsHandle gateRead;
    OsHandle gateWrite;
    std::vector<pid_t> children;
};

struct SharedRig {
    TempStatePath temp;
    std::optional<StateFile> file = ecsim::OpenOrCreateState(temp.path);
    EcSimState state{*file};
};

TEST(EcsimSharing, CommandChangesReachARunningProgramAtItsNextPortAccess) {
    SharedRig rig;
    const auto program = PortOn(rig.state);
    ASSERT_EQ(program->registerBase, 0xC400);

    for (const int level : {2, 3, 1}) {
        ASSERT_EQ(RunEcsim(rig.temp.path, {"level", std::to_string(level)}).exitCode, 0);
        EXPECT_EQ(program->ReadByte(0xC4FD), level);
    }
    program->WriteByte(0xC4FC, 4);
    const CommandResult mode = RunEcsim(rig.temp.path, {"mode"});
    EXPECT_EQ(mode.exitCode, 0);
    EXPECT_EQ(mode.out, "0x04\n");

    ASSERT_EQ(RunEcsim(rig.temp.path, {"clear-trace"}).exitCode, 0);
    EXPECT_TRUE(rig.state.Trace()->empty());
    ASSERT_EQ(RunEcsim(rig.temp.path, {"driver", "closed"}).exitCode, 0);
    EXPECT_EQ(rig.state.PortRead(0x4F), 0xFF);
    EXPECT_TRUE(rig.state.Trace()->empty());
}

TEST(EcsimSharing, FileShrunkAndRewrittenByAnotherProcessIsUsedAgain) {
    SharedRig rig;
    const auto program = PortOn(rig.state);
    std::filesystem::resize_file(rig.temp.path, 100);
    EXPECT_FALSE(rig.state.DriverOpen());
    program->WriteByte(0xC4FC, 5);
    EXPECT_EQ(program->ReadByte(0xC4FD), 0xFF);
    EXPECT_EQ(std::filesystem::file_size(rig.temp.path), 100u);

    ASSERT_EQ(RunEcsim(rig.temp.path, {"init"}).exitCode, 0);
    EXPECT_TRUE(rig.state.DriverOpen());
    program->WriteByte(0xC4FC, 5);
    EXPECT_EQ(RunEcsim(rig.temp.path, {"mode"}).out, "0x05\n");
}

// Two processes write ports as fast as they can while a third pokes bytes and reads the trace:
// no trace entry is lost or torn, no poke is undone.
TEST(EcsimSharing, ConcurrentProcessesLoseNoTraceEntriesAndNoPokes) {
    SharedRig rig;
    constexpr int kWrites = 6000;
    static_assert(2 * kWrites <= ecsim::kTraceCapacity);
    ForkedWorkers workers;
    for (int worker = 0; worker < 2; ++worker) {
        workers.Start([&rig] {
            auto file = StateFile::Open(rig.temp.path, StateFile::OpenMode::ExistingOnly);
            if (!file) {
                return 1;
            }
            EcSimState state(*file);
            for (int n = 0; n < kWrites; ++n) {
                state.PortWrite(0x4E, static_cast<std::uint8_t>(n));
            }
            return 0;
        });
    }
    workers.OpenGate();
    constexpr std::uint16_t kFirst = 0x3000;
    constexpr std::uint16_t kEnd = kFirst + 2000;
    for (std::uint16_t address = kFirst; address != kEnd; ++address) {
        ASSERT_TRUE(rig.state.Poke(address, static_cast<std::uint8_t>(address * 7)));
        if (address % 64 == 0) {
            const auto partial = rig.state.Trace();
            ASSERT_TRUE(partial);
            std::map<std::uint32_t, int> countOf;
            ASSERT_EQ(FindInterleavingFault(*partial, countOf, true), "");
        }
    }
    ASSERT_TRUE(workers.Join());

    for (std::uint16_t address = kFirst; address != kEnd; ++address) {
        ASSERT_EQ(rig.state.Peek(address), static_cast<std::uint8_t>(address * 7)) << address;
    }
    const auto trace = *rig.state.Trace();
    EXPECT_EQ(trace.size(), 2u * kWrites);
    std::map<std::uint32_t, int> countOf;
    EXPECT_EQ(FindInterleavingFault(trace, countOf, true), "");
    ASSERT_EQ(countOf.size(), 2u);
    for (const auto& [pid, count] : countOf) {
        EXPECT_EQ(count, kWrites) << pid;
    }
    EXPECT_EQ(rig.state.Peek(0x2000), 0x55);
}

// Two processes keep writing ports, wrapping the ring again and again, while it is read: every
// read returns whole entries only (the oldest, overwritten during the read, are left out).
TEST(EcsimSharing, TraceReadWhileTheRingWrapsHoldsOnlyWholeEntries) {
    SharedRig rig;
    constexpr std::uint16_t kStopFlag = 0x7000;
    ForkedWorkers workers;
    for (int worker = 0; worker < 2; ++worker) {
        workers.Start([&rig] {
            auto file = StateFile::Open(rig.temp.path, StateFile::OpenMode::ExistingOnly);
            if (!file) {
                return 1;
            }
            EcSimState state(*file);
            for (int n = 0; state.Peek(kStopFlag) == 0; ++n) {
                state.PortWrite(0x4E, static_cast<std::uint8_t>(n));
            }
            return 0;
        });
    }
    workers.OpenGate();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (rig.state.Trace()->size() + 1 < ecsim::kTraceCapacity) {
        ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "the writers did not fill the ring";
    }
    for (int read = 0; read < 20; ++read) {
        const auto trace = rig.state.Trace();
        ASSERT_TRUE(trace);
        std::map<std::uint32_t, int> countOf;
        ASSERT_EQ(FindInterleavingFault(*trace, countOf, false), "") << "read " << read;
        ASSERT_LE(trace->size(), ecsim::kTraceCapacity);
    }
    rig.state.Poke(kStopFlag, 1);
    ASSERT_TRUE(workers.Join());

    const auto trace = *rig.state.Trace();
    EXPECT_EQ(trace.size(), ecsim::kTraceCapacity);
    std::map<std::uint32_t, int> countOf;
    EXPECT_EQ(FindInterleavingFault(trace, countOf, false), "");
    EXPECT_EQ(countOf.size(), 2u);
}

TEST(EcsimSharing, LockLeftByADeadHolderIsTakenOver) {
    SharedRig rig;
    std::uint8_t* mapped = rig.file->Map();
    ASSERT_NE(mapped, nullptr);
    const std::uint32_t deadHolder = 0x0BADF00D;
    std::memcpy(mapped + offsetof(ecsim::Header, lock), &deadHolder, sizeof(deadHolder));

    rig.state.PortWrite(0x4E, 0x2E);
    const auto trace = rig.state.Trace();
    ASSERT_TRUE(trace);
    ASSERT_EQ(trace->size(), 1u);
    EXPECT_EQ(trace->front().value, 0x2E);
    std::uint32_t lock = 1;
    std::memcpy(&lock, mapped + offsetof(ecsim::Header, lock), sizeof(lock));
    EXPECT_EQ(lock, 0u);
}

} // namespace
