// The other process of the state-sharing tests, reaching the simulated EC through io.dll as the
// program does.
//   ecsim_sharing_host mirror GO_EVENT DONE_EVENT
//       binds io.dll through EcPort; at each GO_EVENT reads the power-level register, writes
//       what it read into the mode register and signals DONE_EVENT; ends after reading 0.
//   ecsim_sharing_host hammer READY_EVENT GATE_EVENT COUNT
//       binds io.dll, signals READY_EVENT, and once GATE_EVENT is set writes port 0x4E with
//       0, 1, 2, ... COUNT times.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "ec/ec_port.h"
#include "ec/ec_registers.h"
#include "ec/win/io_dll_port_io.h"
#include "sharing_host.h"

namespace {

// An event made by the test, closed with its owner.
class OpenedEvent {
public:
    explicit OpenedEvent(const char* name)
        : event(OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name)) {}
    ~OpenedEvent() {
        if (event != nullptr) {
            CloseHandle(event);
        }
    }
    OpenedEvent(const OpenedEvent&) = delete;
    OpenedEvent& operator=(const OpenedEvent&) = delete;

    bool Opened() const { return event != nullptr; }
    bool Wait() const { return WaitForSingleObject(event, kSharingTimeoutMs) == WAIT_OBJECT_0; }
    void Signal() const { SetEvent(event); }

private:
    HANDLE event;
};

int Mirror(const char* goName, const char* doneName) {
    const OpenedEvent go(goName);
    const OpenedEvent done(doneName);
    if (!go.Opened() || !done.Opened()) {
        return kSharingHostFailed;
    }
    EcPort ec;
    for (;;) {
        if (!go.Wait()) {
            return kSharingHostFailed;
        }
        const int level =
            ec.ReadByte(static_cast<std::uint16_t>(ec.registerBase + ec::kPowerLevelOffset));
        ec.WriteByte(static_cast<std::uint16_t>(ec.registerBase + ec::kModeRegisterOffset), level);
        done.Signal();
        if (level == 0) {
            return kMirrorDone;
        }
    }
}

int Hammer(const char* readyName, const char* gateName, int count) {
    const OpenedEvent ready(readyName);
    const OpenedEvent gate(gateName);
    IoDllPortIo io;
    // Asking for the driver opens and maps the state before the gate opens.
    if (!ready.Opened() || !gate.Opened() || io.Open() != PortAccessFailure::None ||
        !io.IsUsable()) {
        return kSharingHostFailed;
    }
    ready.Signal();
    if (!gate.Wait()) {
        return kSharingHostFailed;
    }
    for (int n = 0; n < count; ++n) {
        io.Write(0x4E, static_cast<std::uint8_t>(n));
    }
    return kHammerDone;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "mirror") == 0) {
        return Mirror(argv[2], argv[3]);
    }
    if (argc == 5 && std::strcmp(argv[1], "hammer") == 0) {
        return Hammer(argv[2], argv[3], std::atoi(argv[4]));
    }
    return kSharingHostFailed;
}
