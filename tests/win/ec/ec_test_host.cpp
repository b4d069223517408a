// Helper process of the EC Windows tests.
//   ec_test_host construct
//       constructs an EcPort as the program does, then creates a window and exits with
//       kWindowCreated; when no way to the ports can be had it ends before that with the exit
//       code of io.dll's reason (the first way tried).
//   ec_test_host hold-bus READY_EVENT RELEASE_EVENT [abandon]
//       takes the ISA bus mutex, signals READY_EVENT and keeps the mutex until RELEASE_EVENT
//       is signalled; then it releases it, or with "abandon" exits still holding it.
#include <windows.h>

#include <cstring>

#include "ec/ec_port.h"
#include "ec/win/isa_bus_mutex.h"
#include "host_exit_codes.h"

namespace {

int Construct() {
    EcPort ec;
    if (!ec.ready) {
        switch (ec.FailedWays().front().failure) {
        case PortAccessFailure::LibraryMissing:
            return kLibraryMissing;
        case PortAccessFailure::LibraryNotLoadable:
            return kLibraryNotLoadable;
        case PortAccessFailure::FunctionMissing:
            return kFunctionMissing;
        default:
            return kDriverNotUsable;
        }
    }
    HWND window = CreateWindowExA(0, "STATIC", "ec_test_host", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        return kWindowFailed;
    }
    DestroyWindow(window);
    return kWindowCreated;
}

int HoldBus(const char* readyName, const char* releaseName, bool abandon) {
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, readyName);
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, releaseName);
    if (ready == nullptr || release == nullptr) {
        return kHostUsage;
    }
    IsaBusMutex bus;
    while (!bus.Acquire(kHostTimeoutMs)) {
    }
    SetEvent(ready);
    WaitForSingleObject(release, kHostTimeoutMs);
    if (abandon) {
        return kBusAbandoned;
    }
    bus.Release();
    CloseHandle(ready);
    CloseHandle(release);
    return kBusReleased;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "construct") == 0) {
        return Construct();
    }
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "hold-bus") == 0) {
        return HoldBus(argv[2], argv[3], argc == 5 && std::strcmp(argv[4], "abandon") == 0);
    }
    return kHostUsage;
}
