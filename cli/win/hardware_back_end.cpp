#include <cstdlib>

#include "cli/back_end.h"
#include "cli/platform_bus_lock.h"
#include "ec/platform_ports.h"

namespace glintctl {

// io.dll, else PawnIO, and the ISA bus mutex, exactly as the window program has them; EcPort
// reports what each way lacks.
BackEnd OpenHardwareBackEnd() {
    if (IsTestRun()) {
        return {{},
                nullptr,
                "refusing io.dll and PawnIO while the test command runs (GLINT_TEST_RUN is set); "
                "use --sim STATE"};
    }
    return {MakePlatformPortWays(), MakePlatformBusLock(), {}};
}

// Windows gives no program privileges of its file.
bool PrivilegedByItsFile() {
    return false;
}

const char* TrustedEnvironment(const char* name) {
    return std::getenv(name);
}

// The window program on the simulated io.dll holds the ISA bus mutex, so glintctl does too.
std::unique_ptr<BusLock> MakeSimBusLock(const std::string&) {
    return MakePlatformBusLock();
}

} // namespace glintctl
