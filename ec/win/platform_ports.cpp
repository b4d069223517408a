#include "ec/platform_ports.h"

#include "ec/ec_port.h"
#include "ec/win/io_dll_port_io.h"
#include "ec/win/isa_bus_mutex.h"

std::unique_ptr<PortIo> MakePlatformPortIo() {
    return std::make_unique<IoDllPortIo>();
}

std::unique_ptr<BusLock> MakePlatformBusLock() {
    return std::make_unique<IsaBusMutex>();
}

EcPort::EcPort() : EcPort(MakePlatformPortIo(), MakePlatformBusLock()) {}
