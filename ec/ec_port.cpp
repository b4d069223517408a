#include "ec/ec_port.h"

#include <cstdlib>
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

// Lock attempts for each start-up access; with the real bus mutex that is half a second at most.
constexpr int kStartupLockAttempts = 10;

template <typename Access> void RetryWhileBusy(Access access) {
    for (int attempt = 0; attempt < kStartupLockAttempts && !access(); ++attempt) {
    }
}

class BusHold {
public:
    explicit BusHold(BusLock& busLock) : lock(busLock), held(busLock.Acquire()) {}
    ~BusHold() {
        if (held) {
            lock.Release();
        }
    }
    BusHold(const BusHold&) = delete;
    BusHold& operator=(const BusHold&) = delete;

    bool Held() const { return held; }

private:
    BusLock& lock;
    bool held;
};

} // namespace

EcPort::EcPort(std::unique_ptr<PortIo> portIo, std::unique_ptr<BusLock> lock)
    : io(std::move(portIo)), busLock(std::move(lock)) {
    if (!io->Open()) {
        std::exit(0);
    }
    if (!io->IsUsable()) {
        std::exit(0);
    }
    ready = true;

    // The identification fixes the register base for the whole run, so a bus that another tool
    // holds for a moment is waited for rather than read as an unknown chip.
    int id1 = 0;
    int id2 = 0;
    RetryWhileBusy([&] { return TryReadByte(ec::kChipIdAddress1, id1); });
    RetryWhileBusy([&] { return TryReadByte(ec::kChipIdAddress2, id2); });
    const bool recognised =
        ec::IsRecognisedChip(static_cast<std::uint8_t>(id1), static_cast<std::uint8_t>(id2));
    registerBase =
        ec::RegisterBaseForChip(static_cast<std::uint8_t>(id1), static_cast<std::uint8_t>(id2));
    // An absolute address, not relative to the register base.
    const int startupByte = recognised ? kStartupByteRecognised : kStartupByteOther;
    RetryWhileBusy([&] { return TryWriteByte(ec::kStartupByteAddress, startupByte); });
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

bool EcPort::TryWriteByte(std::uint16_t address, int value) {
    if (!ready) {
        return true;
    }
    const BusHold hold(*busLock);
    if (!hold.Held()) {
        return false;
    }
    SelectAddress(address);
    WriteSioRegister(kSubRegisterData, static_cast<std::uint8_t>(value & 0xFF));
    return true;
}

bool EcPort::TryReadByte(std::uint16_t address, int& value) {
    value = 0;
    if (!ready) {
        return true;
    }
    const BusHold hold(*busLock);
    if (!hold.Held()) {
        return false;
    }
    SelectAddress(address);
    value = ReadSioRegister(kSubRegisterData);
    return true;
}

void EcPort::WriteByte(std::uint16_t address, int value) {
    TryWriteByte(address, value);
}

int EcPort::ReadByte(std::uint16_t address) {
    int value = 0;
    TryReadByte(address, value);
    return value;
}
