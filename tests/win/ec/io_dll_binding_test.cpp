#include <gtest/gtest.h>

#include "ec/ec_port.h"
#include "test_support.h"
#include "tools/ecsim/state/trace_decode.h"

namespace {

using ecsim::EcSimState;
using ecsim::PortAccess;

TEST(IoDllBinding, EcPortThroughIoDllReadsAndChangesTheSimulatedEc) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    EcSimState state(file);
    state.Poke(0xC4FD, 2);
    {
        EcPort ec;
        EXPECT_TRUE(ec.ready);
        EXPECT_EQ(ec.registerBase, 0xC400);
        ec.WriteByte(0xC4FC, 3);
        EXPECT_EQ(ec.ReadByte(0xC4FD), 2);
    }
    EXPECT_EQ(state.Peek(0x1060), 0x80);
    EXPECT_EQ(state.Peek(0xC4FC), 3);

    const auto accesses = ecsim::DecodeEcAccesses(*state.Trace());
    ASSERT_EQ(accesses.size(), 5u);
    const struct {
        PortAccess access;
        std::uint16_t address;
        std::uint8_t value;
    } expected[] = {{PortAccess::Read, 0x2000, 0x55},
                    {PortAccess::Read, 0x2001, 0x70},
                    {PortAccess::Write, 0x1060, 0x80},
                    {PortAccess::Write, 0xC4FC, 0x03},
                    {PortAccess::Read, 0xC4FD, 0x02}};
    for (std::size_t i = 0; i < accesses.size(); ++i) {
        EXPECT_EQ(accesses[i].access, expected[i].access) << i;
        EXPECT_EQ(accesses[i].address, expected[i].address) << i;
        EXPECT_EQ(accesses[i].value, expected[i].value) << i;
        EXPECT_EQ(accesses[i].pid, GetCurrentProcessId());
    }
    EXPECT_EQ(state.Trace()->size(), 5u * 12u);
}

TEST(IoDllBinding, OtherChipAndNoisyHighByteOfInp32) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    EcSimState state(file);
    // Inp32 returns a short; with every high bit set it is negative, yet only the byte counts.
    state.SetInpHighByte(0xFF);
    state.Poke(0x2001, 0x72);
    state.Poke(0x1060, 0x99);
    state.Poke(0x4FD, 0xF3);

    EcPort ec;
    EXPECT_EQ(ec.registerBase, 0x400);
    EXPECT_EQ(state.Peek(0x1060), 0x00);
    EXPECT_EQ(ec.ReadByte(0x4FD), 0xF3);
    EXPECT_EQ(ec.ReadByte(0x2000), 0x55);
}

TEST(IoDllBinding, ChangeMadeWhileRunningShowsAtTheNextAccess) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    EcSimState state(file);
    EcPort ec;
    for (std::uint8_t level : {1, 2, 3, 2}) {
        state.Poke(0xC4FD, level);
        EXPECT_EQ(ec.ReadByte(0xC4FD), level);
    }
}

} // namespace
