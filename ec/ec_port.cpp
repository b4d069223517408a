#include "ec/ec_port.h"

#include <utility>

#include "ec/ec_registers.h"
#include "ec/super_io.h"

namespace {

using ec::sio::kAddressHigh;
using ec::sio::kAddressLow;
using ec::sio::kDataByte;
using ec::sio::kSubRegisterData;
using ec::sio::kSubRegisterSelect;

constexpr int kStartupByteRecognised = 0x80;
constexpr int kStartupByteOther = 0x00;

} // namespace

EcPort::EcPort(PortWays ways, std::unique_ptr<BusLock> lock, StartupByte startupByte,
               BusAtStart busAtStart)
    : busLock(std::move(lock)) {
    for (PortWayCandidate& candidate : ways) {
        PortAccessFailure failure = candidate.io->Open();
        if (failure == PortAccessFailure::None && !candidate.io->IsUsable()) {
            failure = PortAccessFailure::DriverNotUsable;
        }
        if (failure == PortAccessFailure::None) {
            io = std::move(candidate.io);
            ready = true;
            const StartOutcome outcome = Start(startupByte, busAtStart);
            if (outcome == StartOutcome::Started) {
                way = candidate.way;
                return;
            }
            ready = false;
            io.reset();
            if (outcome == StartOutcome::BusBusy) {
                // Every way shares the one bus: the next would find it busy too.
                busBusyAtStart = true;
                return;
            }
            // A way that refuses the identification's reads gives no register base to trust.
            failure = PortAccessFailure::DriverNotUsable;
        }
        failedWays.push_back({candidate.way, failure});
    }
}

EcPort::StartOutcome EcPort::Start(StartupByte startupByte, BusAtStart busAtStart) {
    const BusHold hold(*busLock, kStartupWaitMs);
    if (!hold.Held() && busAtStart == BusAtStart::Required) {
        return StartOutcome::BusBusy;
    }
    accessRefused = false;
    startupByteDue = startupByte == StartupByte::AtConstruction;
    if (hold.Held()) {
        // No other tool's traffic can come between our accesses: one reading is the chip's.
        const std::optional<ChipId> id = ReadChipId();
        if (!id) {
            return StartOutcome::AccessRefused;
        }
        TakeIdentification(*id, Identification::Confirmed);
        if (startupByteDue) {
            WriteStartupByteHeld();
        }
        return StartOutcome::Started;
    }
    // A base guessed from reads that did not happen would send every later access to the wrong
    // EC memory, so the chip is identified without the bus rather than not at all; the other
    // tool's traffic may still have reached these reads, so only provisionally.
    const std::optional<ChipId> id = ReadAgreedChipId();
    if (accessRefused) {
        return StartOutcome::AccessRefused;
    }
    if (id) {
        TakeIdentification(*id, Identification::Provisional);
    }
    return StartOutcome::Started;
}

std::optional<EcPort::ChipId> EcPort::ReadChipId() {
    const int id1 = wire.ReadByte(ec::kChipIdAddress1);
    const int id2 = wire.ReadByte(ec::kChipIdAddress2);
    if (accessRefused) {
        return std::nullopt;
    }
    return ChipId{static_cast<std::uint8_t>(id1), static_cast<std::uint8_t>(id2)};
}

std::optional<EcPort::ChipId> EcPort::ReadAgreedChipId() {
    std::optional<ChipId> previous = ReadChipId();
    for (int reading = 2; previous && reading <= kReadingsWithoutTheBus; ++reading) {
        const std::optional<ChipId> current = ReadChipId();
        if (current == previous) {
            return current;
        }
        previous = current;
    }
    // Readings that never agreed choose no base: the first transaction that gets the bus does.
    return std::nullopt;
}

void EcPort::TakeIdentification(ChipId id, Identification how) {
    chipId1 = id.id1;
    chipId2 = id.id2;
    registerBase = ec::RegisterBaseForChip(chipId1, chipId2);
    identification = how;
}

void EcPort::WriteStartupByteHeld() {
    // An absolute address, not relative to the register base.
    wire.WriteByte(ec::kStartupByteAddress, StartupByteValue());
    startupByteDue = accessRefused;
}

int EcPort::StartupByteValue() const {
    return ChipRecognised() ? kStartupByteRecognised : kStartupByteOther;
}

bool EcPort::StartupPending() const {
    return ready && (identification != Identification::Confirmed || startupByteDue);
}

bool EcPort::FinishStartup() {
    if (StartupPending()) {
        Transaction([](EcBytes&) {});
    }
    return !StartupPending();
}

bool EcPort::FinishStartupHeld() {
    bool baseKept = true;
    if (identification != Identification::Confirmed) {
        const std::optional<ChipId> id = ReadChipId();
        if (!id) {
            return false;
        }
        baseKept = identification == Identification::Provisional &&
                   ec::RegisterBaseForChip(id->id1, id->id2) == registerBase;
        TakeIdentification(*id, Identification::Confirmed);
    }
    if (startupByteDue) {
        WriteStartupByteHeld();
    }
    return baseKept && !accessRefused;
}

bool EcPort::WriteStartupByte() {
    // The value follows the chip as the transaction finds it confirmed.
    return Transaction(
        [this](EcBytes& bytes) { bytes.WriteByte(ec::kStartupByteAddress, StartupByteValue()); });
}

void EcPort::WriteSioRegister(std::uint8_t reg, std::uint8_t value) {
    if (!ready || accessRefused) {
        return;
    }
    const auto port = static_cast<std::uint16_t>(indexPort);
    accessRefused =
        !io->Write(port, reg) || !io->Write(static_cast<std::uint16_t>(port + 1), value);
}

int EcPort::ReadSioRegister(std::uint8_t reg) {
    if (!ready || accessRefused) {
        return 0;
    }
    const auto port = static_cast<std::uint16_t>(indexPort);
    std::optional<std::uint16_t> value;
    if (io->Write(port, reg)) {
        value = io->Read(static_cast<std::uint16_t>(port + 1));
    }
    accessRefused = !value;
    return value ? (*value & 0xFF) : 0;
}

void EcPort::SelectAddress(std::uint16_t address) {
    WriteSioRegister(kSubRegisterSelect, kAddressHigh);
    WriteSioRegister(kSubRegisterData, static_cast<std::uint8_t>(address >> 8));
    WriteSioRegister(kSubRegisterSelect, kAddressLow);
    WriteSioRegister(kSubRegisterData, static_cast<std::uint8_t>(address & 0xFF));
    WriteSioRegister(kSubRegisterSelect, kDataByte);
}

int EcPort::Wire::ReadByte(std::uint16_t address) {
    port.SelectAddress(address);
    return port.ReadSioRegister(kSubRegisterData);
}

void EcPort::Wire::WriteByte(std::uint16_t address, int value) {
    port.SelectAddress(address);
    port.WriteSioRegister(kSubRegisterData, static_cast<std::uint8_t>(value & 0xFF));
}

bool EcPort::RunTransaction(TransactionBody body, void* callable) {
    if (!ready) {
        return false;
    }
    const BusHold hold(*busLock, kTransactionWaitMs);
    if (!hold.Held()) {
        return false;
    }
    accessRefused = false;
    if (StartupPending() && !FinishStartupHeld()) {
        return false;
    }
    body(callable, wire);
    return !accessRefused;
}
