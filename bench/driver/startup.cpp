#include "commands.h"

#include "launch.h"
#include "report.h"
#include "subject_ec.h"

#include <windows.h>

namespace {

bool UsesIoDll(const std::string& exe) {
    return GetFileAttributesA((FolderOf(exe) + "\\io.dll").c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

// One start of one program: from CreateProcess to its main window shown and painted, and the CPU
// time the process used for it (which, unlike the wall time, does not count the waits for a CPU
// on a busy machine). A program with io.dll beside it gets a fresh simulated EC, whose trace tells
// when its EC traffic began and ended (the EC ports are made before the window).
int RunStartup(const std::string& label, const std::string& exe) {
    std::optional<SubjectEc> ec;
    if (UsesIoDll(exe)) {
        ec = SubjectEc::Fresh(FolderOf(exe) + "\\ecsim_state.bin");
    }
    const std::uint64_t startedNs = EcClockNs();
    auto launched = LaunchAndWait(exe);
    if (!launched) {
        return 1;
    }
    Figure("startup_shown_ms." + label, launched->shownMs);
    Figure("startup_painted_ms." + label, launched->paintedMs);
    if (launched->process.HasPreciseCpuTime()) {
        Figure("startup_cpu_ms." + label, launched->process.CpuMs());
    }
    if (ec) {
        const auto shownNs = startedNs + static_cast<std::uint64_t>(launched->shownMs * 1e6);
        if (const auto span = ec->TrafficSpan(launched->process.Id(), startedNs, shownNs)) {
            Figure("startup_ec_first_ms." + label, static_cast<double>(span->first) / 1e6);
            Figure("startup_ec_last_ms." + label, static_cast<double>(span->second) / 1e6);
        }
    }
    return 0;
}
