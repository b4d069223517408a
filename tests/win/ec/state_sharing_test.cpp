// The simulated EC's state shared between Windows processes: a change made by one reaches
// another's io.dll at its next port access, and programs writing ports at the same time while
// the state is changed lose nothing.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "sharing_host.h"
#include "test_support.h"
#include "tests/unit/ec/interleaved_trace.h"
#include "tools/ecsim/state/trace_decode.h"

namespace {

// A named event that lets one wait through per signal, closed with its owner.
class HandshakeEvent {
public:
    explicit HandshakeEvent(const std::string& eventName)
        : name(eventName + "_" + std::to_string(GetCurrentProcessId())),
          event(CreateEventA(nullptr, FALSE, FALSE, name.c_str())) {}
    ~HandshakeEvent() {
        if (event != nullptr) {
            CloseHandle(event);
        }
    }
    HandshakeEvent(const HandshakeEvent&) = delete;
    HandshakeEvent& operator=(const HandshakeEvent&) = delete;

    const std::string& Name() const { return name; }
    void Signal() const { SetEvent(event); }
    bool WaitSignalled() const {
        return WaitForSingleObject(event, kSharingTimeoutMs) == WAIT_OBJECT_0;
    }

private:
    std::string name;
    HANDLE event;
};

std::filesystem::path SharingHost() {
    return ProgramFolder() / "ecsim_sharing_host.exe";
}

std::wstring Args(std::initializer_list<std::string> args) {
    std::wstring line;
    for (const std::string& arg : args) {
        line += (line.empty() ? L"" : L" ") + std::wstring(arg.begin(), arg.end());
    }
    return line;
}

TEST(StateSharing, ChangeByOneProcessReachesAnotherAtItsNextPortAccess) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    ecsim::EcSimState state(file);
    const HandshakeEvent go("ecsim_mirror_go");
    const HandshakeEvent done("ecsim_mirror_done");
    ChildProcess mirror(SharingHost(), Args({"mirror", go.Name(), done.Name()}));
    ASSERT_TRUE(mirror.Started());

    for (const std::uint8_t level : {2, 3, 1, 0}) {
        ASSERT_TRUE(state.Poke(0xC4FD, level));
        go.Signal();
        ASSERT_TRUE(done.WaitSignalled());
        EXPECT_EQ(state.Peek(0xC4FC), level);
    }
    EXPECT_EQ(mirror.WaitForExit(), DWORD{kMirrorDone});

    int mirroredWrites = 0;
    for (const ecsim::EcAccess& access : ecsim::DecodeEcAccesses(*state.Trace())) {
        EXPECT_NE(access.pid, GetCurrentProcessId());
        mirroredWrites += access.access == ecsim::PortAccess::Write && access.address == 0xC4FC;
    }
    EXPECT_EQ(mirroredWrites, 4);
}

TEST(StateSharing, ProgramsWritingPortsAtOnceLoseNoTraceEntriesAndNoPokes) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    ecsim::EcSimState state(file);
    constexpr int kWrites = 8000;
    static_assert(2 * kWrites <= ecsim::kTraceCapacity);
    const NamedEvent gate("ecsim_hammer_gate");
    const NamedEvent firstReady("ecsim_hammer_ready1");
    const NamedEvent secondReady("ecsim_hammer_ready2");
    const std::string count = std::to_string(kWrites);
    ChildProcess first(SharingHost(), Args({"hammer", firstReady.Name(), gate.Name(), count}));
    ChildProcess second(SharingHost(), Args({"hammer", secondReady.Name(), gate.Name(), count}));
    ASSERT_TRUE(firstReady.WaitSignalled(kSharingTimeoutMs));
    ASSERT_TRUE(secondReady.WaitSignalled(kSharingTimeoutMs));

    gate.Signal();
    constexpr std::uint16_t kFirst = 0x3000;
    constexpr std::uint16_t kEnd = kFirst + 2000;
    for (std::uint16_t address = kFirst; address != kEnd; ++address) {
        ASSERT_TRUE(state.Poke(address, static_cast<std::uint8_t>(address * 7)));
        if (address % 64 == 0) {
            const auto partial = state.Trace();
            ASSERT_TRUE(partial);
            std::map<std::uint32_t, int> countOf;
            ASSERT_EQ(FindInterleavingFault(*partial, countOf, true), "");
        }
    }
    EXPECT_EQ(first.WaitForExit(), DWORD{kHammerDone});
    EXPECT_EQ(second.WaitForExit(), DWORD{kHammerDone});

    for (std::uint16_t address = kFirst; address != kEnd; ++address) {
        ASSERT_EQ(state.Peek(address), static_cast<std::uint8_t>(address * 7)) << address;
    }
    const auto trace = *state.Trace();
    EXPECT_EQ(trace.size(), 2u * kWrites);
    std::map<std::uint32_t, int> countOf;
    EXPECT_EQ(FindInterleavingFault(trace, countOf, true), "");
    ASSERT_EQ(countOf.size(), 2u);
    for (const auto& [pid, written] : countOf) {
        EXPECT_EQ(written, kWrites) << pid;
    }
}

} // namespace
