#include <memory>

#include "ec/ec_port.h"
#include "ec/win/io_dll_port_io.h"
#include "ec/win/isa_bus_mutex.h"

EcPort::EcPort() : EcPort(std::make_unique<IoDllPortIo>(), std::make_unique<IsaBusMutex>()) {}
