#pragma once

#include <memory>
#include <string>

#include <vector>

#include "ec/bus_lock.h"
#include "ec/port_way.h"

namespace glintctl {

// The ways to the ports and the bus lock that goes with them, or why they cannot be had.
struct BackEnd {
    PortWays ways;
    std::unique_ptr<BusLock> busLock;
    std::string failure; // empty when ways and busLock are set
};

// The simulated EC in the state file statePath (created with the default state if missing).
BackEnd OpenSimBackEnd(const std::string& statePath);

// The machine's own ports. Refused while the test command runs (see IsTestRun), before any
// port access is asked for.
BackEnd OpenHardwareBackEnd();

// Set by the test command (GLINT_TEST_RUN), so that no test can reach the real ports.
bool IsTestRun();

// True in a run that has privileges from its file (setuid, setgid or file capabilities) rather
// than from its user: it must not take a state folder, a simulated EC or the environment from
// that user.
bool PrivilegedByItsFile();
// The environment variable, or null in such a run.
const char* TrustedEnvironment(const char* name);

// Why EcPort could not start, way by way, in the user's words.
std::string DescribeStartFailure(const std::vector<PortWayFailure>& failedWays);

} // namespace glintctl
