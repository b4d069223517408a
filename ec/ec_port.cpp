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

EcPort::EcPort(std::unique_ptr<PortIo> portIo, std::unique_ptr<BusLock> lock,
               StartupByte startupByte)
    : io(std::move(portIo)), busLock(std::move(lock)) {
    startFailure = io->Open();
    if (startFailure != PortAccessFailure::None) {
        return;
    }
    if (!io->IsUsable()) {
        startFailure = PortAccessFailure::DriverNotUsable;
        return;
    }
    ready = true;
    // A base guessed from reads that did not happen would send every later access to the wrong
    // EC memory; identifying without the lock only risks this one exchange. So when another
    // tool keeps the bus past the generous wait, the chip is identified all the same.
    const BusHold hold(*busLock, kStartupWaitMs);
    Identify(startupByte);
}

void EcPort::Identify(StartupByte startupByte) {
    chipId1 = static_cast<std::uint8_t>(wire.ReadByte(ec::kChipIdAddress1));
    chipId2 = static_cast<std::uint8_t>(wire.ReadByte(ec::kChipIdAddress2));
    registerBase = ec::RegisterBaseForChip(chipId1, chipId2);
    if (startupByte == StartupByte::AtConstruction) {
        // An absolute address, not relative to the register base.
        wire.WriteByte(ec::kStartupByteAddress, StartupByteValue());
    }
}

int EcPort::StartupByteValue() const {
    return ChipRecognised() ? kStartupByteRecognised : kStartupByteOther;
}

bool EcPort::WriteStartupByte() {
    const int value = StartupByteValue();
    return Transaction([&](EcBytes& bytes) { bytes.WriteByte(ec::kStartupByteAddress, value); });
}

void EcPort::WriteSioRegister(std::uint8_t reg, std::uint8_t value) {
    if (!ready) {
        return;
    }
    const auto port = static_cast<std::uint16_t>(indexPort);
    io->Write(port, reg);
    io->Write(static_cast<std::uint16_t>(port + 1), value);
}

int EcPort::ReadSioRegister(std::uint8_t reg) {
    if (!ready) {
        return 0;
    }
    const auto port = static_cast<std::uint16_t>(indexPort);
    io->Write(port, reg);
    return io->Read(static_cast<std::uint16_t>(port + 1)) & 0xFF;
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
    body(callable, wire);
    return true;
}
