#include "ec/platform_ports.h"

#include "ec/ec_port.h"
#include "ec/win/io_dll_port_io.h"
#include "ec/win/isa_bus_mutex.h"
#include "ec/win/pawnio_port_io.h"

PortWays MakePlatformPortWays() {
    // io.dll first, as ever; PawnIO where io.dll or its driver is missing or blocked.
    PortWays ways;
    ways.push_back({PortWay::IoDll, std::make_unique<IoDllPortIo>()});
    ways.push_back({PortWay::PawnIo, std::make_unique<PawnIoPortIo>()});
    return ways;
}

std::unique_ptr<BusLock> MakePlatformBusLock() {
    return std::make_unique<IsaBusMutex>();
}

EcPort::EcPort() : EcPort(MakePlatformPortWays(), MakePlatformBusLock()) {}
