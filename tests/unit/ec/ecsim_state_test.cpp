#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "simulated_ports.h"
#include "temp_state_path.h"
#include "tools/ecsim/state/ec_sim_state.h"
#include "tools/ecsim/state/trace_decode.h"

namespace {

using ecsim::EcSimState;
using ecsim::PortAccess;
using ecsim::StateFile;

struct SimRig {
    TempStatePath temp;
    std::optional<StateFile> file = ecsim::OpenOrCreateState(temp.path);
    EcSimState state{*file};
};

TEST(EcSimState, NewFileHoldsTheDefaultState) {
    SimRig rig;
    ASSERT_TRUE(rig.state.IsValid());
    EXPECT_EQ(std::filesystem::file_size(rig.temp.path), ecsim::kFileSize);
    EXPECT_EQ(rig.state.Peek(0x2000), 0x55);
    EXPECT_EQ(rig.state.Peek(0x2001), 0x70);
    EXPECT_EQ(rig.state.Peek(0xC4FD), 1);
    EXPECT_EQ(rig.state.RegisterBase(), 0xC400);
    EXPECT_TRUE(rig.state.DriverOpen());
    EXPECT_TRUE(rig.state.Trace()->empty());
}

TEST(EcSimState, EcPortIdentifiesTheChipAndWritesTheStartupByte) {
    SimRig rig;
    const auto port = PortOn(rig.state);
    EXPECT_EQ(port->registerBase, 0xC400);
    EXPECT_EQ(rig.state.Peek(0x1060), 0x80);

    const auto accesses = ecsim::DecodeEcAccesses(*rig.state.Trace());
    ASSERT_EQ(accesses.size(), 3u);
    EXPECT_EQ(accesses[0].access, PortAccess::Read);
    EXPECT_EQ(accesses[0].address, 0x2000);
    EXPECT_EQ(accesses[0].value, 0x55);
    EXPECT_EQ(accesses[1].address, 0x2001);
    EXPECT_EQ(accesses[2].access, PortAccess::Write);
    EXPECT_EQ(accesses[2].address, 0x1060);
    EXPECT_EQ(accesses[2].value, 0x80);
    EXPECT_EQ(rig.state.Trace()->size(), 12u + 12u + 12u);
}

TEST(EcSimState, OtherChipGetsTheLowBaseAndStartupByteZero) {
    SimRig rig;
    rig.state.Poke(0x2000, 0x54);
    rig.state.Poke(0x1060, 0xEE);
    const auto port = PortOn(rig.state);
    EXPECT_EQ(port->registerBase, 0x400);
    EXPECT_EQ(rig.state.Peek(0x1060), 0x00);
    EXPECT_EQ(rig.state.RegisterBase(), 0x400);
}

TEST(EcSimState, ByteWrittenAndReadThroughThePortsLandsInRam) {
    SimRig rig;
    const auto port = PortOn(rig.state);
    ASSERT_TRUE(rig.state.ClearTrace());

    port->WriteByte(0xC4FC, 3);
    EXPECT_EQ(rig.state.Peek(0xC4FC), 3);
    rig.state.Poke(0xC422, 0x5A);
    EXPECT_EQ(port->ReadByte(0xC422), 0x5A);

    const auto trace = *rig.state.Trace();
    ASSERT_EQ(trace.size(), 24u);
    const std::uint8_t writeValues[] = {0x2E, 0x11, 0x2F, 0xC4, 0x2E, 0x10,
                                        0x2F, 0xFC, 0x2E, 0x12, 0x2F, 0x03};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(trace[i].port, i % 2 == 0 ? 0x4E : 0x4F);
        EXPECT_EQ(trace[i].value, writeValues[i]);
        EXPECT_EQ(trace[i].access, PortAccess::Write);
        EXPECT_EQ(trace[i].pid, ecsim::CurrentProcessId());
    }
    EXPECT_EQ(trace[23].access, PortAccess::Read);
    EXPECT_EQ(trace[23].value, 0x5A);
    for (std::size_t i = 1; i < trace.size(); ++i) {
        EXPECT_LE(trace[i - 1].timeNs, trace[i].timeNs);
    }
}

TEST(EcSimState, HighByteOfPortReadsIsIgnoredByEcPort) {
    SimRig rig;
    rig.state.SetInpHighByte(0xA5);
    const auto port = PortOn(rig.state);
    EXPECT_EQ(port->registerBase, 0xC400);
    EXPECT_EQ(port->ReadByte(0xC4FD), 1);
    EXPECT_EQ(rig.state.PortRead(0x4F) >> 8, 0xA5);
}

TEST(EcSimState, ClosedDriverDropsPortAccessesUntraced) {
    SimRig rig;
    rig.state.SetDriverOpen(false);
    EXPECT_FALSE(rig.state.DriverOpen());
    rig.state.PortWrite(0x4E, 0x2E);
    EXPECT_EQ(rig.state.PortRead(0x4E), 0xFF);
    EXPECT_TRUE(rig.state.Trace()->empty());
}

TEST(EcSimState, ChangeThroughOneHandleShowsAtTheNextAccessOfAnother) {
    SimRig rig;
    auto other = StateFile::Open(rig.temp.path, StateFile::OpenMode::ExistingOnly);
    ASSERT_TRUE(other);
    EcSimState otherState(*other);
    const auto port = PortOn(rig.state);

    otherState.Poke(0xC4FD, 3);
    EXPECT_EQ(port->ReadByte(0xC4FD), 3);
    port->WriteByte(0xC4FC, 4);
    EXPECT_EQ(otherState.Peek(0xC4FC), 4);
}

TEST(EcSimState, DamagedFileIsRefusedAndLeftAlone) {
    SimRig rig;
    for (const auto damage : {+[](std::fstream& f) { f.write("BADMAGIC", 8); },
                              +[](std::fstream& f) {
                                  f.seekp(8);
                                  f.put(2);
                              }}) {
        ASSERT_TRUE(rig.state.Initialise());
        {
            std::fstream f(rig.temp.path, std::ios::in | std::ios::out | std::ios::binary);
            damage(f);
        }
        EXPECT_FALSE(rig.state.IsValid());
        EXPECT_FALSE(rig.state.DriverOpen());
        EXPECT_EQ(rig.state.PortRead(0x4F), 0xFF);
        rig.state.PortWrite(0x4E, 0x2E);
        EXPECT_FALSE(rig.state.PawnIoPortWrite(0x4E, 0x2E));
        EXPECT_FALSE(rig.state.PawnIoPortRead(0x4F));
        EXPECT_FALSE(rig.state.SetPawnIoFailOp(1));
        EXPECT_FALSE(rig.state.Peek(0x2000));
        EXPECT_FALSE(rig.state.Poke(0x2000, 1));
        EXPECT_FALSE(rig.state.Trace());
        EXPECT_EQ(std::filesystem::file_size(rig.temp.path), ecsim::kFileSize);
    }

    std::filesystem::resize_file(rig.temp.path, 100);
    EXPECT_FALSE(rig.state.IsValid());
    rig.state.PortWrite(0x4F, 0x12);
    EXPECT_EQ(std::filesystem::file_size(rig.temp.path), 100u);

    // Reopening does not repair a damaged file behind the user's back.
    auto reopened = ecsim::OpenOrCreateState(rig.temp.path);
    ASSERT_TRUE(reopened);
    EXPECT_FALSE(EcSimState(*reopened).IsValid());
}

TEST(EcSimState, TraceKeepsTheLatestEntriesOldestFirst) {
    SimRig rig;
    const std::uint32_t total = ecsim::kTraceCapacity + 10;
    for (std::uint32_t n = 0; n < total; ++n) {
        rig.state.PortWrite(0x4E, static_cast<std::uint8_t>(n));
    }
    const auto trace = *rig.state.Trace();
    ASSERT_EQ(trace.size(), ecsim::kTraceCapacity);
    EXPECT_EQ(trace.front().value, static_cast<std::uint8_t>(10));
    EXPECT_EQ(trace.back().value, static_cast<std::uint8_t>(total - 1));

    ASSERT_TRUE(rig.state.ClearTrace());
    EXPECT_TRUE(rig.state.Trace()->empty());
}

TEST(TraceDecode, AccessWithAddressSelectedBeforeTheTraceStartUsesTheRegisters) {
    using ecsim::TraceEntry;
    const std::vector<TraceEntry> trace{
        {1, 7, 0x4E, 0x2E, PortAccess::Write}, {2, 7, 0x4F, 0x12, PortAccess::Write},
        {3, 7, 0x4E, 0x2F, PortAccess::Write}, {4, 7, 0x4F, 0x09, PortAccess::Write},
        {5, 7, 0x4E, 0x2F, PortAccess::Write}, {6, 7, 0x4F, 0x33, PortAccess::Read},
        {7, 7, 0x4E, 0x2E, PortAccess::Write}, {8, 7, 0x4F, 0x55, PortAccess::Read}};
    const auto accesses = ecsim::DecodeEcAccesses(trace);
    ASSERT_EQ(accesses.size(), 2u);
    EXPECT_EQ(accesses[0].timeNs, 4u);
    EXPECT_EQ(accesses[0].access, PortAccess::Write);
    EXPECT_EQ(accesses[0].address, 0);
    EXPECT_EQ(accesses[0].value, 0x09);
    EXPECT_EQ(accesses[1].timeNs, 6u);
    EXPECT_EQ(accesses[1].access, PortAccess::Read);
    EXPECT_EQ(accesses[1].value, 0x33);
}

} // namespace
