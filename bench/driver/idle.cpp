#include "commands.h"

#include "launch.h"
#include "report.h"
#include "unix_process.h"

#include <cstdlib>
#include <vector>

namespace {

struct IdleSubject {
    std::string label; // program and window state, e.g. "glint.hidden"
    bool hidden;
    std::string exe;
};

std::optional<IdleSubject> ParseSubject(const std::string& description) {
    // label:shown|hidden:exe
    const auto first = description.find(':');
    const auto second = description.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos) {
        return std::nullopt;
    }
    const std::string state = description.substr(first + 1, second - first - 1);
    if (state != "shown" && state != "hidden") {
        return std::nullopt;
    }
    return IdleSubject{description.substr(0, first) + "." + state, state == "hidden",
                       description.substr(second + 1)};
}

std::optional<int> OurWineserver() {
    const char* prefix = std::getenv("WINEPREFIX");
    return prefix != nullptr ? FindWineserver(prefix) : std::nullopt;
}

} // namespace

// All subjects idle side by side over the same seconds, so that they share the machine's load.
int RunIdle(double seconds, double settleSeconds, const std::vector<std::string>& descriptions) {
    std::vector<IdleSubject> subjects;
    for (const auto& description : descriptions) {
        auto subject = ParseSubject(description);
        if (!subject) {
            Note("bad idle subject " + description);
            return 2;
        }
        subjects.push_back(*subject);
    }
    std::vector<Launched> running;
    for (const auto& subject : subjects) {
        auto launched = LaunchAndWait(subject.exe);
        if (!launched) {
            return 1;
        }
        if (subject.hidden && !HideMainWindow(launched->mainWindow)) {
            Note(subject.label + ": main window did not hide");
            return 1;
        }
        running.push_back(std::move(*launched));
    }
    for (std::size_t i = 0; i < running.size(); ++i) {
        if (!running[i].process.HasPreciseCpuTime()) {
            Note(subjects[i].label + ": CPU time in 10 ms ticks (its Unix process not found)");
        }
    }
    const auto wineserver = OurWineserver();
    Sleep(static_cast<DWORD>(settleSeconds * 1000));
    std::vector<double> before;
    std::vector<std::optional<double>> slicesBefore;
    for (std::size_t i = 0; i < running.size(); ++i) {
        running[i].messageBoxes.Poll(running[i].process, running[i].mainWindow);
        before.push_back(running[i].process.CpuMs());
        slicesBefore.push_back(running[i].process.Timeslices());
    }
    const auto serverBefore = wineserver ? UnixCpu(*wineserver) : std::nullopt;
    Sleep(static_cast<DWORD>(seconds * 1000));
    for (std::size_t i = 0; i < running.size(); ++i) {
        if (!running[i].process.IsRunning()) {
            Note(subjects[i].label + " ended while idle");
            return 1;
        }
        const auto& process = running[i].process;
        Figure("idle_cpu_ms." + subjects[i].label, process.CpuMs() - before[i]);
        if (const auto slices = process.Timeslices(); slices && slicesBefore[i]) {
            Figure("idle_wakeups_per_s." + subjects[i].label,
                   (*slices - *slicesBefore[i]) / seconds);
        }
    }
    if (const auto serverAfter = wineserver ? UnixCpu(*wineserver) : std::nullopt;
        serverAfter && serverBefore) {
        Figure("idle_cpu_ms.wineserver_all", serverAfter->ms - serverBefore->ms);
    }
    return 0;
}
