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

EcPort::EcPort(PortWays ways, std::unique_ptr<BusLock> lock, StartupByte startupByte)
    : busLock(std::move(lock)) {
    for (PortWayCandidate& candidate : ways) {
        PortAccessFailure failure = candidate.io->Open();
        if (failure == PortAccessFailure::None && !candidate.io->IsUsable()) {
            failure = PortAccessFailure::DriverNotUsable;
        }
        if (failure == PortAccessFailure::None) {
            io = std::move(candidate.io);
            ready = true;
            if (Identify(startupByte)) {
                way = candidate.way;
                return;
            }
            // A way that refuses the identification's reads gives no register base to trust.
            ready = false;
            io.reset();
            failure = PortAccessFailure::DriverNotUsable;
        }
        failedWays.push_back({candidate.way, failure});
    }
}

bool EcPort::Identify(StartupByte startupByte) {
    // A base guessed from reads that did not happen would send every later access to the wrong
    // EC memory; identifying without the lock only risks this one exchange. So when another
    // tool keeps the bus past the generous wait, the chip is identified all the same.
    const BusHold hold(*busLock, kStartupWaitMs);
    accessRefused = false;
    const int id1 = wire.ReadByte(ec::kChipIdAddress1);
    const int id2 = wire.ReadByte(ec::kChipIdAddress2);
    if (accessRefused) {
        return false;
    }
    chipId1 = static_cast<std::uint8_t>(id1);
    chipId2 = static_cast<std::uint8_t>(id2);
    registerBase = ec::RegisterBaseForChip(chipId1, chipId2);
    if (startupByte == StartupByte::AtConstruction) {
        // An absolute address, not relative to the register base.
        wire.WriteByte(ec::kStartupByteAddress, StartupByteValue());
    }
    return true;
}

int EcPort::StartupByteValue() const {
    return ChipRecognised() ? kStartupByteRecognised : kStartupByteOther;
}

bool EcPort::WriteStartupByte() {
    const int value = StartupByteValue();
    return Transaction([&](EcBytes& bytes) { bytes.WriteByte(ec::kStartupByteAddress, value); });
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
    body(callable, wire);
    return !accessRefused;
}
