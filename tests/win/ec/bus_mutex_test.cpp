#include <gtest/gtest.h>

#include <aclapi.h>

#include <chrono>
#include <thread>

#include "ec/ec_port.h"
#include "ec/win/isa_bus_mutex.h"
#include "host_exit_codes.h"
#include "test_support.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The wait may end a timer tick early under some schedulers; it must not end much earlier.
constexpr milliseconds kShortestWait{EcPort::kTransactionWaitMs * 4 / 5};

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

TEST(IsaBusMutex, AccessWhileAnotherProcessHoldsTheMutexWaitsItsBoundAndIsSkipped) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    ecsim::EcSimState state(file);
    EcPort ec;
    state.Poke(0xC4FD, 3);
    ASSERT_TRUE(state.ClearTrace());

    NamedEvent ready("glint_ec_bus_ready");
    NamedEvent release("glint_ec_bus_release");
    ChildProcess holder(ProgramFolder() / "ec_test_host.exe",
                        L"hold-bus " + Wide(ready.Name()) + L" " + Wide(release.Name()));
    ASSERT_TRUE(holder.Started());
    ASSERT_TRUE(ready.WaitSignalled(30000));

    const auto start = Clock::now();
    ec.WriteByte(0xC4FC, 4);
    const auto afterWrite = Clock::now();
    const int level = ec.ReadByte(0xC4FD);
    const auto afterRead = Clock::now();

    EXPECT_GE(afterWrite - start, kShortestWait);
    EXPECT_GE(afterRead - afterWrite, kShortestWait);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(state.Peek(0xC4FC), 0);
    EXPECT_TRUE(state.Trace()->empty());

    release.Signal();
    EXPECT_EQ(holder.WaitForExit(), DWORD{kBusReleased});
    ec.WriteByte(0xC4FC, 4);
    EXPECT_EQ(state.Peek(0xC4FC), 4);
    EXPECT_EQ(ec.ReadByte(0xC4FD), 3);
}

TEST(IsaBusMutex, BusHeldForAMomentAtStartUpStillGivesTheRecognisedChip) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    ecsim::EcSimState state(file);

    NamedEvent ready("glint_ec_bus_ready_startup");
    NamedEvent release("glint_ec_bus_release_startup");
    ChildProcess holder(ProgramFolder() / "ec_test_host.exe",
                        L"hold-bus " + Wide(ready.Name()) + L" " + Wide(release.Name()));
    ASSERT_TRUE(holder.Started());
    ASSERT_TRUE(ready.WaitSignalled(30000));

    // The other tool lets go after a few of our waits, while the chip is being identified.
    std::thread releaser([&release] {
        std::this_thread::sleep_for(milliseconds{EcPort::kTransactionWaitMs * 3});
        release.Signal();
    });
    EcPort ec;
    releaser.join();

    EXPECT_EQ(ec.registerBase, 0xC400);
    EXPECT_EQ(state.Peek(0x1060), 0x80);
    EXPECT_EQ(holder.WaitForExit(), DWORD{kBusReleased});
}

TEST(IsaBusMutex, BusHeldThroughTheStartUpWaitIsIdentifiedWithoutTheMutex) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    ecsim::EcSimState state(file);

    NamedEvent ready("glint_ec_bus_ready_held_startup");
    NamedEvent release("glint_ec_bus_release_held_startup");
    ChildProcess holder(ProgramFolder() / "ec_test_host.exe",
                        L"hold-bus " + Wide(ready.Name()) + L" " + Wide(release.Name()));
    ASSERT_TRUE(holder.Started());
    ASSERT_TRUE(ready.WaitSignalled(30000));

    state.Poke(0x1060, 0xEE);
    const auto start = Clock::now();
    EcPort ec;
    const auto waited = Clock::now() - start;

    // The base comes from reads that happened, not from a guess after reads that were skipped.
    EXPECT_EQ(ec.registerBase, 0xC400);
    EXPECT_GE(waited, milliseconds{EcPort::kStartupWaitMs * 4 / 5});
    EXPECT_FALSE(ec.FinishStartup());
    EXPECT_EQ(state.Peek(0x1060), 0xEE) << "nothing is written without the mutex";

    release.Signal();
    EXPECT_EQ(holder.WaitForExit(), DWORD{kBusReleased});
    EXPECT_TRUE(ec.FinishStartup());
    EXPECT_EQ(state.Peek(0x1060), 0x80);
}

TEST(IsaBusMutex, MutexAbandonedByAnotherProcessIsTakenOver) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    ecsim::EcSimState state(file);
    EcPort ec;

    NamedEvent ready("glint_ec_bus_ready_abandon");
    NamedEvent release("glint_ec_bus_release_abandon");
    ChildProcess holder(ProgramFolder() / "ec_test_host.exe", L"hold-bus " + Wide(ready.Name()) +
                                                                  L" " + Wide(release.Name()) +
                                                                  L" abandon");
    ASSERT_TRUE(ready.WaitSignalled(30000));
    release.Signal();
    ASSERT_EQ(holder.WaitForExit(), DWORD{kBusAbandoned});

    ec.WriteByte(0xC4FC, 2);
    EXPECT_EQ(state.Peek(0xC4FC), 2);
    ec.WriteByte(0xC4FC, 1);
    EXPECT_EQ(state.Peek(0xC4FC), 1);
}

TEST(IsaBusMutex, CreatedMutexGrantsEveryoneFullAccess) {
    IsaBusMutex bus;
    HANDLE mutex = OpenMutexA(READ_CONTROL, FALSE, "Global\\Access_ISABUS.HTP.Method");
    ASSERT_NE(mutex, nullptr);
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(GetSecurityInfo(mutex, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                              &dacl, nullptr, &descriptor),
              DWORD{ERROR_SUCCESS});
    ASSERT_NE(dacl, nullptr);

    SID_IDENTIFIER_AUTHORITY worldAuthority = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&worldAuthority, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0,
                                         0, &everyone));
    bool everyoneHasFullAccess = false;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (GetAce(dacl, i, &ace) &&
            static_cast<ACE_HEADER*>(ace)->AceType == ACCESS_ALLOWED_ACE_TYPE) {
            auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
            const bool full = (allowed->Mask & MUTEX_ALL_ACCESS) == MUTEX_ALL_ACCESS ||
                              (allowed->Mask & GENERIC_ALL) != 0;
            everyoneHasFullAccess |= full && EqualSid(&allowed->SidStart, everyone);
        }
    }
    EXPECT_TRUE(everyoneHasFullAccess);
    FreeSid(everyone);
    LocalFree(descriptor);
    CloseHandle(mutex);
}

} // namespace
