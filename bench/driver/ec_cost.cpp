#include "commands.h"

#include "child_process.h"
#include "clock.h"
#include "report.h"
#include "subject_ec.h"
#include "unix_process.h"

#include "ec/ec_port.h"
#include "ec/ec_registers.h"

#include <windows.h>

// The cost of glint's own EC byte access (io.dll binding, bus mutex, Super-I/O protocol) over
// the simulated io.dll beside the driver: the work behind each power-level poll and each click.
int RunEcCost(int count) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (!SubjectEc::Fresh(FolderOf(path) + "\\ecsim_state.bin")) {
        Note("cannot write a fresh ecsim state beside the driver");
        return 1;
    }
    EcPort port;
    if (!port.ready) {
        Note("io.dll is not usable beside the driver");
        return 1;
    }
    const auto level = static_cast<std::uint16_t>(port.registerBase + ec::kPowerLevelOffset);
    const auto mode = static_cast<std::uint16_t>(port.registerBase + ec::kModeRegisterOffset);
    // Wall time counts the waits for a CPU on a busy machine as well; CPU time does not.
    auto measure = [&](const std::string& name, auto access) {
        const double wallStart = NowMs();
        const auto cpuStart = CurrentThreadCpuMs();
        for (int i = 0; i < count; ++i) {
            access(i);
        }
        const auto cpuEnd = CurrentThreadCpuMs();
        Figure(name + "_us", (NowMs() - wallStart) * 1000.0 / count);
        if (cpuStart && cpuEnd) {
            Figure(name + "_cpu_us", (*cpuEnd - *cpuStart) * 1000.0 / count);
        }
    };
    measure("ec_read", [&](int) { port.ReadByte(level); });
    measure("ec_write", [&](int i) { port.WriteByte(mode, i % 5); });
    return 0;
}
