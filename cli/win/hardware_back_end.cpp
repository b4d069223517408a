#include "cli/back_end.h"
#include "cli/platform_bus_lock.h"
#include "ec/platform_ports.h"

namespace glintctl {

// io.dll bound and the ISA bus mutex opened exactly as the window program does; EcPort reports
// a library or driver that is missing.
BackEnd OpenHardwareBackEnd() {
    if (IsTestRun()) {
        return {nullptr, nullptr,
                "refusing io.dll while the test command runs (GLINT_TEST_RUN is set); "
                "use --sim STATE"};
    }
    return {MakePlatformPortIo(), MakePlatformBusLock(), {}};
}

// The window program on the simulated io.dll holds the ISA bus mutex, so glintctl does too.
std::unique_ptr<BusLock> MakeSimBusLock(const std::string&) {
    return MakePlatformBusLock();
}

} // namespace glintctl
