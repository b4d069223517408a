// Times the simulated io.dll through the program's io.dll binding: single port writes and
// reads, and whole EC byte writes (twelve port writes) with and without the ISA bus mutex, so
// that the simulator's share shows apart from the mutex's. Each is repeated in rounds; prints
// the median and the slowest round per access in microseconds.
//   ecsim_port_timing [ROUNDS [ACCESSES_PER_ROUND]]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "ec/ec_port.h"
#include "ec/win/io_dll_port_io.h"
#include "ec/win/isa_bus_mutex.h"

namespace {

double NowUs() {
    LARGE_INTEGER ticks{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&ticks);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

void Report(const char* what, int rounds, int perRound, const std::function<void()>& access) {
    std::vector<double> perAccessUs;
    for (int round = 0; round < rounds; ++round) {
        const double start = NowUs();
        for (int n = 0; n < perRound; ++n) {
            access();
        }
        perAccessUs.push_back((NowUs() - start) / perRound);
    }
    std::sort(perAccessUs.begin(), perAccessUs.end());
    std::printf("%-28s median %9.2f us   slowest round %9.2f us   (%d x %d)\n", what,
                perAccessUs[perAccessUs.size() / 2], perAccessUs.back(), rounds, perRound);
}

int Count(int argc, char** argv, int index, int fallback) {
    const int value = argc > index ? std::atoi(argv[index]) : fallback;
    return value > 0 ? value : fallback;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = Count(argc, argv, 1, 21);
    const int perRound = Count(argc, argv, 2, 200);

    IoDllPortIo io;
    if (io.Open() != PortAccessFailure::None || !io.IsUsable()) {
        std::fprintf(stderr, "io.dll is missing or its driver is closed\n");
        return 1;
    }
    Report("port write (Out32)", rounds, perRound, [&] { io.Write(0x4E, 0x2E); });
    Report("port read (Inp32)", rounds, perRound, [&] { io.Read(0x4F); });

    EcPort ec(OnlyWay(PortWay::IoDll, std::make_unique<IoDllPortIo>()),
              std::make_unique<IsaBusMutex>());
    const auto scratch = static_cast<std::uint16_t>(ec.registerBase + 0x80);
    Report("EC byte write, bus mutex", rounds, perRound / 10 + 1,
           [&] { ec.WriteByte(scratch, 0x5A); });
    EcPort unguarded(OnlyWay(PortWay::IoDll, std::make_unique<IoDllPortIo>()),
                     std::make_unique<UnsharedBus>());
    Report("EC byte write, no mutex", rounds, perRound / 10 + 1,
           [&] { unguarded.WriteByte(scratch, 0x5A); });
    return 0;
}
