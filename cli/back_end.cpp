#include "cli/back_end.h"

#include <cstdlib>
#include <cstring>

namespace glintctl {

bool IsTestRun() {
    const char* value = std::getenv("GLINT_TEST_RUN");
    return value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0;
}

std::string DescribeStartFailure(PortAccessFailure failure, bool simulated) {
    switch (failure) {
    case PortAccessFailure::None:
        return {};
    case PortAccessFailure::LibraryMissing:
        return "io.dll was found neither beside glintctl.exe nor in the system folder";
    case PortAccessFailure::FunctionMissing:
        return "io.dll lacks one of Out32, Inp32, IsInpOutDriverOpen, IsXP64Bit";
    case PortAccessFailure::DriverNotUsable:
        return simulated ? "the simulated port driver is closed (ecsim driver open)"
                         : "the port driver of io.dll is not usable: run as administrator";
    }
    return "port access failed";
}

} // namespace glintctl
