#pragma once

#include <filesystem>

#include "cli/commands.h"

namespace glintctl {

// `glintctl restore`, each platform's way of writing the kept mode back at start-up and after
// sleep without the window: a Task Scheduler task on Windows, the package's boot unit and sleep
// hook on Linux. Each returns the exit code.

// Where the mode is kept when nothing else is said: %ProgramData%\Glint, /var/lib/glint.
std::filesystem::path DefaultKeptFolder();

int TurnRestoreOn(const Console& console);
// The kept mode goes with it.
int TurnRestoreOff(const std::filesystem::path& keptFolder, const Console& console);
int ReportRestore(const std::filesystem::path& keptFolder, const Console& console);
int PrintRestoreDefinition(const Console& console);

} // namespace glintctl
