#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "ec/bus_lock.h"
#include "ec/ec_bytes.h"
#include "ec/ec_memory.h"
#include "ec/ec_registers.h"
#include "ec/port_way.h"
#include "ec/super_io.h"

// EC memory through the Super-I/O indirect access on ports 0x4E/0x4F. Construction takes the
// first way to the ports that opens, is usable and identifies the chip, and writes the start-up
// byte; when no way can be had the port stays not ready and FailedWays says why. Every access
// runs in a transaction: one hold of the machine-wide bus lock around all the byte accesses that
// belong together; a port access that the back end refuses ends the transaction as failed.
//
// When another tool keeps the bus through the whole start-up wait, the chip is identified without
// it, from two readings that agree, and that identification is only provisional: the first
// transaction that gets the bus reads the chip again, takes what it reads and writes the start-up
// byte that is still due, all before its own accesses. The start-up byte is never written without
// the bus.
class EcPort final : public EcMemory {
public:
    // The longest a transaction waits for the bus, so that the window keeps answering; a caller
    // whose transaction did not run tries again later.
    static constexpr std::uint32_t kTransactionWaitMs = 50;
    // The identification fixes the register base for the whole run, so it waits for the bus
    // generously; a bus still held after that is not ours to wait for any longer.
    static constexpr std::uint32_t kStartupWaitMs = 3000;

    // On the platform's ways to the ports and bus lock (see ec/platform_ports.h); defined with
    // them, so only a build that has a platform back end can use it.
    EcPort();
    // Whether construction writes the start-up byte. The window program always does; a tool that
    // may only read, or must not write to a chip it does not recognise, writes it later with
    // WriteStartupByte or not at all.
    enum class StartupByte { AtConstruction, Deferred };
    // Whether the start-up may identify the chip without the bus. The window program must come up
    // even while another tool keeps the bus, so it waits kStartupWaitMs and then goes without. A
    // tool that can simply end instead requires it: a bus still busy after the wait then leaves
    // the port not ready, with BusBusyAtStart set and no port touched.
    enum class BusAtStart { WaitThenGoWithout, Required };
    EcPort(PortWays ways, std::unique_ptr<BusLock> busLock,
           StartupByte startupByte = StartupByte::AtConstruction,
           BusAtStart busAtStart = BusAtStart::WaitThenGoWithout);

    EcPort(const EcPort&) = delete;
    EcPort& operator=(const EcPort&) = delete;

    // The way in use; empty when the port is not ready.
    std::optional<PortWay> Way() const { return way; }
    // Why each way tried before the one in use (every way, for a port that is not ready) could
    // not be used, in the order they were tried.
    const std::vector<PortWayFailure>& FailedWays() const { return failedWays; }

    std::int32_t RegisterBase() const override { return registerBase; }

    // The identification bytes (0, 0 when the port is not ready, or while the readings made
    // without the bus have not agreed and no transaction has had the bus since).
    std::uint8_t ChipId1() const { return chipId1; }
    std::uint8_t ChipId2() const { return chipId2; }
    bool ChipRecognised() const { return ec::IsRecognisedChip(chipId1, chipId2); }

    // With BusAtStart::Required: another tool kept the bus through the start-up wait, so nothing
    // was read or written and the port is not ready.
    bool BusBusyAtStart() const { return busBusyAtStart; }
    // True while the identification made without the bus is unconfirmed or the start-up byte is
    // still due: no transaction has had the bus since the start.
    bool StartupPending() const;
    // Finishes a pending start-up in a transaction of its own; true when nothing of it is left.
    bool FinishStartup();

    // The start-up byte for the identified chip, in a transaction of its own; false when it did
    // not run.
    bool WriteStartupByte();

    // Set by the identification (0 while there is none).
    std::int32_t registerBase = 0;
    bool ready = false;

private:
    // The byte accesses themselves, for use while the bus is held (or at start-up, given up).
    class Wire final : public EcBytes {
    public:
        explicit Wire(EcPort& owner) : port(owner) {}
        int ReadByte(std::uint16_t address) override;
        void WriteByte(std::uint16_t address, int value) override;

    private:
        EcPort& port;
    };

    enum class Identification { None, Provisional, Confirmed };
    enum class StartOutcome { Started, AccessRefused, BusBusy };
    struct ChipId {
        std::uint8_t id1 = 0;
        std::uint8_t id2 = 0;
        bool operator==(const ChipId&) const = default;
    };
    // Two readings in a row that differ may have met another tool's traffic; this many at most.
    static constexpr int kReadingsWithoutTheBus = 4;

    // The bus held from the body's first to its last port access; not run when the port is not
    // ready or the bus could not be had within kTransactionWaitMs; false as well when a port
    // access was refused (the body's later accesses then touch no port). A pending start-up is
    // finished first; when that changes the register base, the body is not run either, since the
    // caller's addresses came from the old one, and the caller tries again as after a busy bus.
    bool RunTransaction(TransactionBody body, void* callable) override;
    StartOutcome Start(StartupByte startupByte, BusAtStart busAtStart);
    // Inside a transaction: confirms the identification and writes the start-up byte if due;
    // false when a port access was refused or the register base changed.
    bool FinishStartupHeld();
    // Empty when a read was refused.
    std::optional<ChipId> ReadChipId();
    // Empty when a read was refused or no two readings in a row agreed.
    std::optional<ChipId> ReadAgreedChipId();
    void TakeIdentification(ChipId id, Identification how);
    void WriteStartupByteHeld();
    int StartupByteValue() const;
    void WriteSioRegister(std::uint8_t reg, std::uint8_t value);
    int ReadSioRegister(std::uint8_t reg);
    void SelectAddress(std::uint16_t address);

    std::unique_ptr<PortIo> io;
    std::unique_ptr<BusLock> busLock;
    std::int32_t indexPort = ec::sio::kIndexPort;
    std::optional<PortWay> way;
    std::vector<PortWayFailure> failedWays;
    // Set by a refused port access; cleared when a transaction or the identification begins.
    bool accessRefused = false;
    bool busBusyAtStart = false;
    Identification identification = Identification::None;
    bool startupByteDue = false;
    std::uint8_t chipId1 = 0;
    std::uint8_t chipId2 = 0;
    Wire wire{*this};
};
