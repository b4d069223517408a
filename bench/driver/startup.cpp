#include "commands.h"

#include "launch.h"
#include "report.h"

// One start of one program: from CreateProcess to its main window shown and painted.
int RunStartup(const std::string& label, const std::string& exe) {
    auto launched = LaunchAndWait(exe);
    if (!launched) {
        return 1;
    }
    Figure("startup_shown_ms." + label, launched->shownMs);
    Figure("startup_painted_ms." + label, launched->paintedMs);
    return 0;
}
