#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ec/ec_port.h"
#include "fake_port_io.h"

namespace {

using Events = std::vector<std::string>;

struct Rig {
    BusLog log;
    BusLockState lock;

    EcPort Make(FakePortIoConfig config) {
        return EcPort(OnlyWay(PortWay::IoDll, std::make_unique<FakePortIo>(log, std::move(config))),
                      std::make_unique<FakeBusLock>(log, lock));
    }
    // io.dll, then PawnIO, as the Windows program tries them.
    EcPort MakeTwoWays(FakePortIoConfig ioDll, FakePortIoConfig pawnIo) {
        ioDll.name = "io.dll";
        pawnIo.name = "PawnIO";
        PortWays ways;
        ways.push_back({PortWay::IoDll, std::make_unique<FakePortIo>(log, std::move(ioDll))});
        ways.push_back({PortWay::PawnIo, std::make_unique<FakePortIo>(log, std::move(pawnIo))});
        return EcPort(std::move(ways), std::make_unique<FakeBusLock>(log, lock));
    }
    // A port on a recognised chip, with the construction's traffic forgotten.
    std::unique_ptr<EcPort> MakeRecognised(std::deque<std::uint16_t> laterReads = {}) {
        laterReads.push_front(0x70);
        laterReads.push_front(0x55);
        auto port = std::make_unique<EcPort>(
            OnlyWay(PortWay::IoDll, std::make_unique<FakePortIo>(
                                        log, FakePortIoConfig{.reads = std::move(laterReads)})),
            std::make_unique<FakeBusLock>(log, lock));
        log.events.clear();
        return port;
    }
};

// The port writes that select an EC address and its data sub-register.
Events SelectSequence(std::uint16_t address) {
    return {"W 4E 2E", "W 4F 11", "W 4E 2F", "W 4F " + HexDigits(address >> 8, 2),
            "W 4E 2E", "W 4F 10", "W 4E 2F", "W 4F " + HexDigits(address & 0xFF, 2),
            "W 4E 2E", "W 4F 12"};
}

Events WriteAccess(std::uint16_t address, std::uint8_t value) {
    Events events = SelectSequence(address);
    events.push_back("W 4E 2F");
    events.push_back("W 4F " + HexDigits(value, 2));
    return events;
}

Events ReadAccess(std::uint16_t address) {
    Events events = SelectSequence(address);
    events.push_back("W 4E 2F");
    events.push_back("R 4F");
    return events;
}

// Byte accesses under one hold of the bus.
Events Held(std::initializer_list<Events> accesses, const std::string& lock = "lock") {
    Events events{lock};
    for (const Events& access : accesses) {
        events.insert(events.end(), access.begin(), access.end());
    }
    events.push_back("unlock");
    return events;
}

Events WriteSequence(std::uint16_t address, std::uint8_t value) {
    return Held({WriteAccess(address, value)});
}

// The identification and the start-up write under one hold, with the long start-up wait.
Events ConstructionTraffic(std::uint8_t startupByte) {
    Events events{"open", "usable"};
    const Events held =
        Held({ReadAccess(0x2000), ReadAccess(0x2001), WriteAccess(0x1060, startupByte)},
             "lock " + std::to_string(EcPort::kStartupWaitMs));
    events.insert(events.end(), held.begin(), held.end());
    return events;
}

TEST(EcPortWire, ReadOfPowerLevelRegisterOnRecognisedChip) {
    Rig rig;
    const auto port = rig.MakeRecognised({0x02});
    ASSERT_EQ(port->registerBase, 0xC400);

    EXPECT_EQ(port->ReadByte(port->registerBase + 0xFD), 2);

    const Events expected{"lock",    "W 4E 2E", "W 4F 11", "W 4E 2F", "W 4F C4",
                          "W 4E 2E", "W 4F 10", "W 4E 2F", "W 4F FD", "W 4E 2E",
                          "W 4F 12", "W 4E 2F", "R 4F",    "unlock"};
    EXPECT_EQ(rig.log.events, expected);
}

TEST(EcPortWire, WriteOfModeRegisterOnOtherChip) {
    Rig rig;
    EcPort port = rig.Make({.reads = {0x54, 0x70}});
    ASSERT_EQ(port.registerBase, 0x400);
    rig.log.events.clear();

    port.WriteByte(port.registerBase + 0xFC, 3);

    const Events expected{"lock",    "W 4E 2E", "W 4F 11", "W 4E 2F", "W 4F 04",
                          "W 4E 2E", "W 4F 10", "W 4E 2F", "W 4F FC", "W 4E 2E",
                          "W 4F 12", "W 4E 2F", "W 4F 03", "unlock"};
    EXPECT_EQ(rig.log.events, expected);
    EXPECT_EQ(rig.log.events, WriteSequence(0x4FC, 3));
}

TEST(EcPortWire, WriteSendsOnlyTheLowByteOfTheValue) {
    Rig rig;
    const auto port = rig.MakeRecognised();
    port->WriteByte(0x1234, 0x1A5);
    EXPECT_EQ(rig.log.events, WriteSequence(0x1234, 0xA5));
}

TEST(EcPortWire, ReadKeepsOnlyTheLowByteOfA16BitPortValue) {
    Rig rig;
    // The identification bytes arrive with junk in their high bytes and are still recognised.
    EcPort port = rig.Make({.reads = {0xAB55, 0xFF70, 0x1234, 0xFFFF}});
    EXPECT_EQ(port.registerBase, 0xC400);
    EXPECT_EQ(port.ReadByte(0x10), 0x34);
    EXPECT_EQ(port.ReadByte(0x10), 0xFF);
}

class EcPortChipId
    : public testing::TestWithParam<std::tuple<std::uint16_t, std::uint16_t, int, std::uint8_t>> {};

TEST_P(EcPortChipId, ChoosesBaseAndWritesStartupByteAtAbsoluteAddress) {
    const auto [id1, id2, base, startupByte] = GetParam();
    Rig rig;
    EcPort port = rig.Make({.reads = {id1, id2}});
    EXPECT_TRUE(port.ready);
    EXPECT_EQ(port.registerBase, base);
    EXPECT_EQ(rig.log.events, ConstructionTraffic(startupByte));
}

INSTANTIATE_TEST_SUITE_P(KnownAndUnknownChips, EcPortChipId,
                         testing::Values(std::make_tuple(0x55, 0x70, 0xC400, 0x80),
                                         std::make_tuple(0x55, 0x71, 0xC400, 0x80),
                                         std::make_tuple(0x55, 0x72, 0x400, 0x00),
                                         std::make_tuple(0x54, 0x70, 0x400, 0x00),
                                         std::make_tuple(0x00, 0x00, 0x400, 0x00)));

TEST(EcPortConstruction, TwoPortsRunTheirWholeConstructionOneAfterTheOther) {
    Rig rig;
    EcPort first = rig.Make({.reads = {0x55, 0x71}});
    EcPort second = rig.Make({.reads = {0x55, 0x71}});

    Events expected = ConstructionTraffic(0x80);
    const Events once = expected;
    expected.insert(expected.end(), once.begin(), once.end());
    EXPECT_EQ(rig.log.events, expected);
    EXPECT_EQ(first.registerBase, second.registerBase);
}

TEST(EcPortGate, NotReadyTouchesNeitherPortNorLock) {
    Rig rig;
    const auto port = rig.MakeRecognised({0x77});
    port->ready = false;

    EXPECT_EQ(port->ReadByte(0xC4FD), 0);
    port->WriteByte(0xC4FC, 1);
    EXPECT_TRUE(rig.log.events.empty());
}

TEST(EcPortBusLock, TimedOutAccessIsSkipped) {
    Rig rig;
    const auto port = rig.MakeRecognised({0x03});
    rig.lock.available = false;

    port->WriteByte(0xC4FC, 2);
    EXPECT_EQ(port->ReadByte(0xC4FD), 0);
    EXPECT_EQ(rig.log.events, (Events{"lock timed out", "lock timed out"}));

    // The value the port would have given is still there for the next access that gets the lock.
    rig.lock.available = true;
    EXPECT_EQ(port->ReadByte(0xC4FD), 3);
}

// A start while another tool keeps the bus: the identification's readings, without it.
Events BusyStartTraffic(int readings) {
    Events events{"open", "usable", "lock timed out " + std::to_string(EcPort::kStartupWaitMs)};
    for (int reading = 0; reading < readings * 2; ++reading) {
        const Events access = ReadAccess(reading % 2 == 0 ? 0x2000 : 0x2001);
        events.insert(events.end(), access.begin(), access.end());
    }
    return events;
}

// The first transaction that gets the bus after such a start: the chip read under the bus and
// the start-up byte, before its own accesses.
Events Confirming(const Events& ownAccesses = {}) {
    return Held({ReadAccess(0x2000), ReadAccess(0x2001), WriteAccess(0x1060, 0x80), ownAccesses});
}

TEST(EcPortBusyStart, IdentifiesFromAgreeingReadingsAndConfirmsInTheFirstHeldTransaction) {
    Rig rig;
    rig.lock.available = false;
    EcPort port = rig.Make({.reads = {0x55, 0x70, 0x55, 0x70, 0x55, 0x70, 0x02, 0x02}});
    EXPECT_TRUE(port.ready);
    EXPECT_EQ(port.registerBase, 0xC400) << "the base comes from reads that happened";
    EXPECT_EQ(rig.log.events, BusyStartTraffic(2)) << "no start-up byte without the bus";
    EXPECT_TRUE(port.StartupPending());
    EXPECT_GE(EcPort::kStartupWaitMs, 1000u) << "seconds, not a transaction's short wait";

    rig.lock.available = true;
    rig.log.events.clear();
    EXPECT_EQ(port.ReadByte(0xC4FD), 2);
    EXPECT_EQ(rig.log.events, Confirming(ReadAccess(0xC4FD)));
    EXPECT_FALSE(port.StartupPending()) << "confirmed once";
}

TEST(EcPortBusyStart, AChangedBaseIsTakenWithTheStartupByteAndTheCallerTriesAgain) {
    Rig rig;
    rig.lock.available = false;
    // Without the bus, both readings met the other tool's traffic alike.
    EcPort port = rig.Make({.reads = {0x00, 0x00, 0x00, 0x00, 0x55, 0x70}});
    ASSERT_EQ(port.registerBase, 0x400);
    rig.lock.available = true;
    rig.log.events.clear();

    // A click's addresses come from the base it reads first; its body is not run.
    const auto modeRegister = static_cast<std::uint16_t>(port.RegisterBase() + 0xFC);
    EXPECT_FALSE(port.Transaction([&](EcBytes& bytes) { bytes.WriteByte(modeRegister, 3); }));
    EXPECT_EQ(rig.log.events, Confirming());
    EXPECT_EQ(port.registerBase, 0xC400);
}

TEST(EcPortBusyStart, DisagreeingReadingsAreReadAgainAFewTimesAndNeverGiveABase) {
    Rig agreeing;
    agreeing.lock.available = false;
    EcPort late = agreeing.Make({.reads = {0x55, 0x70, 0x12, 0x34, 0x55, 0x70, 0x55, 0x70}});
    EXPECT_EQ(late.registerBase, 0xC400);
    EXPECT_EQ(agreeing.log.events, BusyStartTraffic(4));

    Rig rig;
    rig.lock.available = false;
    EcPort port = rig.Make({.reads = {0x55, 0x70, 0x12, 0x34, 0x55, 0x71, 0x54, 0x70, 0x55, 0x70}});
    EXPECT_EQ(rig.log.events, BusyStartTraffic(4)) << "a bounded number of readings";
    EXPECT_TRUE(port.ready);
    EXPECT_EQ(port.registerBase, 0);
    rig.lock.available = true;
    rig.log.events.clear();
    EXPECT_FALSE(port.Transaction([](EcBytes&) {})) << "it had no base for its addresses";
    EXPECT_EQ(rig.log.events, Confirming());
    EXPECT_EQ(port.registerBase, 0xC400);
}

TEST(EcPortBusyStart, AToolThatRequiresTheBusTouchesNoPortWhileItStaysBusy) {
    Rig rig;
    rig.lock.available = false;
    EcPort port(OnlyWay(PortWay::IoDll, std::make_unique<FakePortIo>(rig.log, FakePortIoConfig{})),
                std::make_unique<FakeBusLock>(rig.log, rig.lock), EcPort::StartupByte::Deferred,
                EcPort::BusAtStart::Required);
    EXPECT_FALSE(port.ready);
    EXPECT_TRUE(port.BusBusyAtStart());
    EXPECT_EQ(rig.log.events, BusyStartTraffic(0));
}

TEST(EcPortTransaction, AllItsAccessesRunUnderOneHold) {
    Rig rig;
    const auto port = rig.MakeRecognised({0xF6});
    int control = -1;
    const bool ran = port->Transaction([&](EcBytes& bytes) {
        bytes.WriteByte(0xC4FC, 3);
        control = bytes.ReadByte(0xC422);
        bytes.WriteByte(0xC422, control | 1);
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(control, 0xF6);
    EXPECT_EQ(rig.log.events,
              Held({WriteAccess(0xC4FC, 3), ReadAccess(0xC422), WriteAccess(0xC422, 0xF7)}));
}

TEST(EcPortTransaction, WithoutTheBusNothingOfItRuns) {
    Rig rig;
    const auto port = rig.MakeRecognised({0xF6});
    rig.lock.available = false;
    bool bodyRan = false;
    EXPECT_FALSE(port->Transaction([&](EcBytes&) { bodyRan = true; }));
    EXPECT_FALSE(bodyRan);
    EXPECT_EQ(rig.log.events, (Events{"lock timed out"}));

    port->ready = false;
    rig.lock.available = true;
    rig.log.events.clear();
    EXPECT_FALSE(port->Transaction([&](EcBytes&) { bodyRan = true; }));
    EXPECT_FALSE(bodyRan);
    EXPECT_TRUE(rig.log.events.empty()) << "not ready: not even the lock is asked for";
}

class EcPortStartFailure
    : public testing::TestWithParam<std::tuple<FakePortIoConfig, PortAccessFailure, Events>> {};

TEST_P(EcPortStartFailure, LeavesThePortNotReadyWithTheReasonAndTouchesNoPort) {
    const auto& [config, failure, events] = GetParam();
    Rig rig;
    EcPort port = rig.Make(config);
    EXPECT_FALSE(port.ready);
    EXPECT_FALSE(port.Way());
    EXPECT_EQ(port.FailedWays(), (std::vector<PortWayFailure>{{PortWay::IoDll, failure}}));
    EXPECT_EQ(port.ReadByte(0xC4FD), 0);
    port.WriteByte(0xC4FC, 1);
    EXPECT_EQ(rig.log.events, events) << "neither a lock nor a port access";
}

INSTANTIATE_TEST_SUITE_P(
    MissingLibraryFunctionOrDriver, EcPortStartFailure,
    testing::Values(
        std::make_tuple(FakePortIoConfig{.openResult = PortAccessFailure::LibraryMissing},
                        PortAccessFailure::LibraryMissing, Events{"open"}),
        std::make_tuple(FakePortIoConfig{.openResult = PortAccessFailure::FunctionMissing},
                        PortAccessFailure::FunctionMissing, Events{"open"}),
        std::make_tuple(FakePortIoConfig{.usable = false}, PortAccessFailure::DriverNotUsable,
                        Events{"open", "usable"})));

TEST(EcPortWays, TheFirstWayThatWorksIsUsedAndTheNextIsNeverOpened) {
    Rig rig;
    EcPort port = rig.MakeTwoWays({.reads = {0x55, 0x70}}, {});
    EXPECT_EQ(port.Way(), PortWay::IoDll);
    EXPECT_TRUE(port.FailedWays().empty());
    Events expected = ConstructionTraffic(0x80);
    expected[0] = "io.dll open";
    expected[1] = "io.dll usable";
    EXPECT_EQ(rig.log.events, expected);
}

TEST(EcPortWays, WhateverIoDllLacksPawnIoIsTriedNextAndUsed) {
    for (const FakePortIoConfig& ioDll :
         {FakePortIoConfig{.openResult = PortAccessFailure::LibraryMissing},
          FakePortIoConfig{.openResult = PortAccessFailure::LibraryNotLoadable},
          FakePortIoConfig{.openResult = PortAccessFailure::FunctionMissing},
          FakePortIoConfig{.usable = false}}) {
        Rig rig;
        EcPort port = rig.MakeTwoWays(ioDll, {.reads = {0x55, 0x71}});
        const PortAccessFailure reason =
            ioDll.usable ? ioDll.openResult : PortAccessFailure::DriverNotUsable;
        SCOPED_TRACE(static_cast<int>(reason));
        EXPECT_TRUE(port.ready);
        EXPECT_EQ(port.Way(), PortWay::PawnIo);
        EXPECT_EQ(port.registerBase, 0xC400);
        EXPECT_EQ(port.FailedWays(), (std::vector<PortWayFailure>{{PortWay::IoDll, reason}}));
        Events expected{"io.dll open"};
        if (!ioDll.usable) {
            expected.push_back("io.dll usable");
        }
        Events construction = ConstructionTraffic(0x80);
        construction[0] = "PawnIO open";
        construction[1] = "PawnIO usable";
        expected.insert(expected.end(), construction.begin(), construction.end());
        EXPECT_EQ(rig.log.events, expected);
    }
}

TEST(EcPortWays, WithNeitherWayEachReasonIsKeptAndNoPortIsTouched) {
    Rig rig;
    EcPort port = rig.MakeTwoWays({.openResult = PortAccessFailure::LibraryMissing},
                                  {.openResult = PortAccessFailure::NotElevated});
    EXPECT_FALSE(port.ready);
    EXPECT_EQ(port.FailedWays(),
              (std::vector<PortWayFailure>{{PortWay::IoDll, PortAccessFailure::LibraryMissing},
                                           {PortWay::PawnIo, PortAccessFailure::NotElevated}}));
    EXPECT_EQ(rig.log.events, (Events{"io.dll open", "PawnIO open"}));
}

TEST(EcPortWays, AWayThatRefusesTheIdentificationGivesNoBaseAndIsNotUsed) {
    Rig rig;
    // The read of the first identification byte is the 12th port access.
    EcPort port = rig.MakeTwoWays({.openResult = PortAccessFailure::LibraryMissing},
                                  {.reads = {0x55, 0x70}, .refuseAccess = 12});
    EXPECT_FALSE(port.ready);
    EXPECT_EQ(port.FailedWays().back(),
              (PortWayFailure{PortWay::PawnIo, PortAccessFailure::DriverNotUsable}));
    Events expected{"io.dll open", "PawnIO open", "PawnIO usable",
                    "lock " + std::to_string(EcPort::kStartupWaitMs)};
    Events refusedRead = ReadAccess(0x2000);
    refusedRead.back() += " refused";
    expected.insert(expected.end(), refusedRead.begin(), refusedRead.end());
    expected.push_back("unlock");
    EXPECT_EQ(rig.log.events, expected) << "nothing after the refused read, no start-up byte";
}

TEST(EcPortTransaction, ARefusedAccessFailsItAndNoLaterAccessOfItTouchesAPort) {
    Rig rig;
    // After the construction's 36 accesses: the mode write (12), then the control byte's read,
    // whose data-port read (the 12th of that access) is refused.
    EcPort port = rig.Make({.reads = {0x55, 0x70, 0xF6, 0xF6}, .refuseAccess = 36 + 12 + 12});
    rig.log.events.clear();
    auto clickBody = [](EcBytes& bytes) {
        bytes.WriteByte(0xC4FC, 3);
        bytes.WriteByte(0xC422, bytes.ReadByte(0xC422) | 1);
    };
    EXPECT_FALSE(port.Transaction(clickBody));
    Events refusedRead = ReadAccess(0xC422);
    refusedRead.back() += " refused";
    EXPECT_EQ(rig.log.events, Held({WriteAccess(0xC4FC, 3), refusedRead}))
        << "no control byte written from a read that did not happen";

    // Tried again, as a click whose transaction did not run is.
    rig.log.events.clear();
    EXPECT_TRUE(port.Transaction(clickBody));
    EXPECT_EQ(rig.log.events,
              Held({WriteAccess(0xC4FC, 3), ReadAccess(0xC422), WriteAccess(0xC422, 0xF7)}));
}

TEST(EcPortStartFailure, ReadyPortHasNoFailure) {
    Rig rig;
    const auto port = rig.MakeRecognised();
    EXPECT_TRUE(port->FailedWays().empty());
    EXPECT_EQ(port->Way(), PortWay::IoDll);
}

} // namespace
