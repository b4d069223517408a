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
    EcPort(PortWays ways, std::unique_ptr<BusLock> busLock,
           StartupByte startupByte = StartupByte::AtConstruction);

    EcPort(const EcPort&) = delete;
    EcPort& operator=(const EcPort&) = delete;

    // The way in use; empty when the port is not ready.
    std::optional<PortWay> Way() const { return way; }
    // Why each way tried before the one in use (every way, for a port that is not ready) could
    // not be used, in the order they were tried.
    const std::vector<PortWayFailure>& FailedWays() const { return failedWays; }

    std::int32_t RegisterBase() const override { return registerBase; }

    // The identification bytes read at construction (0, 0 when the port is not ready).
    std::uint8_t ChipId1() const { return chipId1; }
    std::uint8_t ChipId2() const { return chipId2; }
    bool ChipRecognised() const { return ec::IsRecognisedChip(chipId1, chipId2); }

    // The start-up byte for the identified chip, in a transaction of its own; false when it did
    // not run.
    bool WriteStartupByte();

    // Set by the identification at construction.
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

    // The bus held from the body's first to its last port access; not run when the port is not
    // ready or the bus could not be had within kTransactionWaitMs; false as well when a port
    // access was refused (the body's later accesses then touch no port).
    bool RunTransaction(TransactionBody body, void* callable) override;
    // False when a port access of the identification was refused: the way cannot be used.
    bool Identify(StartupByte startupByte);
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
    std::uint8_t chipId1 = 0;
    std::uint8_t chipId2 = 0;
    Wire wire{*this};
};
