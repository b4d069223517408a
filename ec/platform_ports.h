#pragma once

#include <memory>

#include "ec/bus_lock.h"
#include "ec/port_way.h"

// The platform's ways to the ports, in the order they are tried, and the bus lock that its other
// port users honour; each platform's back end defines them (ec/win/: io.dll, then PawnIO, and the
// ISA bus mutex).
PortWays MakePlatformPortWays();
std::unique_ptr<BusLock> MakePlatformBusLock();
