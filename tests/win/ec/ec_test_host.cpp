// Helper process of the EC Windows tests.
//   ec_test_host construct
//       constructs an EcPort as the program does, then creates a window and exits with
//       kWindowCreated; when no way to the ports can be had it ends before that with the exit
//       code of io.dll's reason (the first way tried).
//   ec_test_host hold-bus READY_EVENT RELEASE_EVENT [abandon | STATE_FILE]
//       takes the ISA bus mutex, signals READY_EVENT and keeps the mutex until RELEASE_EVENT
//       is signalled; then it releases it, or with "abandon" exits still holding it. Given the
//       simulated EC's STATE_FILE, it reads an EC byte of its own through the ports again and
//       again meanwhile, as a tool does that holds the bus for its own traffic.
#include <windows.h>

#include <cstring>
#include <memory>
#include <optional>

#include "ec/ec_port.h"
#include "ec/ec_registers.h"
#include "ec/win/isa_bus_mutex.h"
#include "host_exit_codes.h"
#include "tools/ecsim/state/ec_sim_state.h"
#include "tools/ecsim/state/sim_port_io.h"

namespace {

// No mix of its address bytes with those of the program's identification makes an address that
// the program reads.
constexpr std::uint16_t kOwnAddress = 0x5A5A;
constexpr std::uint8_t kOwnValue = 0xA5;

// Reads its own byte until release is signalled; kBusReleasedAfterInterleaving when a reading
// found another value: other traffic came between its accesses. The chip's identification bytes
// are read-only, the simulated EC's are RAM that a write misdirected by the interleaving can
// change: they are put back before the bus is.
int ReadOwnByteUntil(HANDLE release, const char* statePath) {
    std::optional<ecsim::StateFile> file =
        ecsim::StateFile::Open(statePath, ecsim::StateFile::OpenMode::ExistingOnly);
    if (!file) {
        return kHostUsage;
    }
    ecsim::EcSimState state(*file);
    const std::optional<std::uint8_t> id1 = state.Peek(ec::kChipIdAddress1);
    const std::optional<std::uint8_t> id2 = state.Peek(ec::kChipIdAddress2);
    if (!id1 || !id2 || !state.Poke(kOwnAddress, kOwnValue)) {
        return kHostUsage;
    }
    // It holds the bus: its port's transactions need no lock.
    EcPort port(OnlyWay(PortWay::Simulated, std::make_unique<ecsim::SimPortIo>(state)),
                std::make_unique<UnsharedBus>(), EcPort::StartupByte::Deferred);
    bool interleaved = false;
    const ULONGLONG end = GetTickCount64() + kHostTimeoutMs;
    while (WaitForSingleObject(release, 0) == WAIT_TIMEOUT && GetTickCount64() < end) {
        // Many reads between two looks at the event, so that its traffic hardly pauses.
        for (int read = 0; read < 256; ++read) {
            interleaved |= port.ReadByte(kOwnAddress) != kOwnValue;
        }
    }
    state.Poke(ec::kChipIdAddress1, *id1);
    state.Poke(ec::kChipIdAddress2, *id2);
    return interleaved ? kBusReleasedAfterInterleaving : kBusReleased;
}

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

int HoldBus(const char* readyName, const char* releaseName, bool abandon,
            const char* trafficState) {
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, readyName);
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, releaseName);
    if (ready == nullptr || release == nullptr) {
        return kHostUsage;
    }
    IsaBusMutex bus;
    while (!bus.Acquire(kHostTimeoutMs)) {
    }
    SetEvent(ready);
    int result = kBusReleased;
    if (trafficState != nullptr) {
        result = ReadOwnByteUntil(release, trafficState);
    } else {
        WaitForSingleObject(release, kHostTimeoutMs);
    }
    if (abandon) {
        return kBusAbandoned;
    }
    bus.Release();
    CloseHandle(ready);
    CloseHandle(release);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "construct") == 0) {
        return Construct();
    }
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "hold-bus") == 0) {
        const bool abandon = argc == 5 && std::strcmp(argv[4], "abandon") == 0;
        return HoldBus(argv[2], argv[3], abandon, argc == 5 && !abandon ? argv[4] : nullptr);
    }
    return kHostUsage;
}
