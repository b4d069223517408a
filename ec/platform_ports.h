#pragma once

#include <memory>

#include "ec/bus_lock.h"
#include "ec/port_io.h"

// The platform's port access and the bus lock that its other port users honour; each platform's
// back end defines them (ec/win/ binds io.dll and the ISA bus mutex).
std::unique_ptr<PortIo> MakePlatformPortIo();
std::unique_ptr<BusLock> MakePlatformBusLock();
