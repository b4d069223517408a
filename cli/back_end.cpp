#include "cli/back_end.h"

#include <cstdlib>
#include <cstring>

namespace glintctl {

bool IsTestRun() {
    const char* value = std::getenv("GLINT_TEST_RUN");
    return value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0;
}

namespace {

constexpr int kProgramBits = sizeof(void*) * 8;

std::string IoDllFailure(PortAccessFailure failure) {
    switch (failure) {
    case PortAccessFailure::LibraryMissing:
        return "io.dll was found neither beside glintctl.exe nor in the system folder";
    case PortAccessFailure::LibraryNotLoadable:
        return "the io.dll found cannot be loaded: glintctl.exe is " +
               std::to_string(kProgramBits) + "-bit and needs the " + std::to_string(kProgramBits) +
               "-bit io.dll";
    case PortAccessFailure::FunctionMissing:
        return "io.dll lacks one of Out32, Inp32, IsInpOutDriverOpen, IsXP64Bit";
    default:
        return "the port driver of io.dll is not usable: run as administrator (where Windows or "
               "anti-cheat software blocks the driver, use PawnIO)";
    }
}

std::string PawnIoFailure(PortAccessFailure failure) {
    switch (failure) {
    case PortAccessFailure::LibraryMissing:
        return "PawnIO is not installed (winget install namazso.PawnIO; then put LpcIO.bin beside "
               "glintctl.exe)";
    case PortAccessFailure::LibraryNotLoadable:
        return kProgramBits == 32 ? "PawnIO has no 32-bit library: use the win64 glintctl.exe"
                                  : "PawnIO's library cannot be loaded: reinstall PawnIO";
    case PortAccessFailure::FunctionMissing:
        return "PawnIO's library lacks a function glintctl needs: install the current PawnIO";
    case PortAccessFailure::NotElevated:
        return "PawnIO refused access: run as administrator";
    case PortAccessFailure::ModuleMissing:
        return "LpcIO.bin (PawnIO's LpcIO module) is not beside glintctl.exe";
    case PortAccessFailure::ModuleRefused:
        return "PawnIO refused LpcIO.bin: put the official, signed LpcIO.bin beside glintctl.exe";
    default:
        return "PawnIO's driver cannot be reached: reinstall PawnIO";
    }
}

std::string WayFailure(const PortWayFailure& failed) {
    switch (failed.way) {
    case PortWay::IoDll:
        return IoDllFailure(failed.failure);
    case PortWay::PawnIo:
        return PawnIoFailure(failed.failure);
    case PortWay::Simulated:
        return "the simulated port driver is closed (ecsim driver open)";
    case PortWay::Ioperm:
        break;
    }
    return "port access failed";
}

} // namespace

std::string DescribeStartFailure(const std::vector<PortWayFailure>& failedWays) {
    if (failedWays.size() == 1) {
        return WayFailure(failedWays.front());
    }
    std::string text = "no way to the ports could be used:";
    for (const PortWayFailure& failed : failedWays) {
        text += "\n  " + std::string(PortWayName(failed.way)) + ": " + WayFailure(failed);
    }
    return text;
}

} // namespace glintctl
