// The simulated port-I/O library: io.dll's four entry points over the state file of the
// simulated EC (see StateAccess).
#include <windows.h>

#include "tools/ecsim/dll/state_access.h"

extern "C" {

void __stdcall Out32(short port, short value) {
    ecsim::StateAccess access;
    if (ecsim::EcSimState* state = access.State()) {
        state->PortWrite(static_cast<std::uint16_t>(port), static_cast<std::uint8_t>(value));
    }
}

short __stdcall Inp32(short port) {
    ecsim::StateAccess access;
    ecsim::EcSimState* state = access.State();
    return static_cast<short>(state != nullptr ? state->PortRead(static_cast<std::uint16_t>(port))
                                               : 0xFF);
}

BOOL __stdcall IsInpOutDriverOpen() {
    ecsim::StateAccess access;
    ecsim::EcSimState* state = access.State();
    return state != nullptr && state->DriverOpen() ? TRUE : FALSE;
}

BOOL __stdcall IsXP64Bit() {
    return FALSE;
}

} // extern "C"
