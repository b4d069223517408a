#pragma once

#include <cstdint>
#include <memory>

#include "ec/bus_lock.h"
#include "ec/port_io.h"
#include "ec/super_io.h"

// One byte of EC memory at a time, through the Super-I/O indirect access on ports 0x4E/0x4F.
// Construction identifies the chip and writes the start-up byte; when port access is missing
// it ends the process with exit code 0 and no message, so a constructed EcPort is ready.
class EcPort {
public:
#ifdef _WIN32
    // Binds io.dll from the program's folder or the system folder and guards each access
    // with the machine-wide ISA bus mutex.
    EcPort();
#endif
    EcPort(std::unique_ptr<PortIo> io, std::unique_ptr<BusLock> busLock);

    EcPort(const EcPort&) = delete;
    EcPort& operator=(const EcPort&) = delete;

    // Returns 0..255; 0 when not ready or when the bus lock could not be had.
    int ReadByte(std::uint16_t address);
    // Writes the low 8 bits of value; does nothing when not ready or the bus lock is busy.
    void WriteByte(std::uint16_t address, int value);

    // Read directly by the users, who add register offsets to the base.
    std::int32_t registerBase = 0;
    bool ready = false;

private:
    void WriteSioRegister(std::uint8_t reg, std::uint8_t value);
    int ReadSioRegister(std::uint8_t reg);
    void SelectAddress(std::uint16_t address);
    // One byte access under the bus lock; false, with no port touched, when the lock could not
    // be had. Not ready counts as done: a read yields 0, a write does nothing.
    bool TryReadByte(std::uint16_t address, int& value);
    bool TryWriteByte(std::uint16_t address, int value);

    std::unique_ptr<PortIo> io;
    std::unique_ptr<BusLock> busLock;
    std::int32_t indexPort = ec::sio::kIndexPort;
};
