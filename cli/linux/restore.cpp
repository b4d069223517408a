#include "cli/restore.h"

#include <unistd.h>

#include <string>
#include <system_error>

#include "cli/exit_codes.h"
#include "cli/mode_store.h"
#include "cli/report.h"
#include "led/led_mode_names.h"

namespace glintctl {

namespace {

constexpr char kUnit[] = "glintctl-restore.service";
// Where `systemctl enable` puts the unit, by its [Install] section.
constexpr char kEnabledUnit[] = "/etc/systemd/system/multi-user.target.wants/"
                                "glintctl-restore.service";
constexpr char kSleepHook[] = "/usr/lib/systemd/system-sleep/glintctl";

std::string YesNo(bool yes) {
    return yes ? "yes" : "no";
}

} // namespace

std::filesystem::path DefaultKeptFolder() {
    return "/var/lib/glint";
}

int TurnRestoreOn(const Console& console) {
    return console.Fail(kExitUsage, std::string("on Linux the package's boot unit and sleep hook "
                                                "restore the mode: sudo systemctl enable ") +
                                        kUnit);
}

int TurnRestoreOff(const std::filesystem::path&, const Console& console) {
    return console.Fail(kExitUsage, std::string("on Linux the package's boot unit and sleep hook "
                                                "restore the mode: sudo systemctl disable ") +
                                        kUnit + " (the sleep hook goes with the package)");
}

int ReportRestore(const std::filesystem::path& keptFolder, const Console& console) {
    std::error_code ignored;
    const bool unitEnabled = std::filesystem::exists(kEnabledUnit, ignored);
    const bool hookThere = ::access(kSleepHook, X_OK) == 0;
    const ModeStore::Loaded kept = ModeStore(keptFolder).Load();
    const std::string keptName =
        kept.mode ? std::string(ModeName(static_cast<int>(*kept.mode))) : std::string();
    PrintReport(console.out, console.json,
                {{"boot_unit_enabled", unitEnabled ? "true" : "false", YesNo(unitEnabled)},
                 {"sleep_hook", hookThere ? "true" : "false", YesNo(hookThere)},
                 {"kept_mode", keptName.empty() ? "null" : JsonString(keptName),
                  !kept.error.empty() ? kept.error : (keptName.empty() ? "none" : keptName)}});
    return kExitDone;
}

int PrintRestoreDefinition(const Console& console) {
    return console.Fail(kExitUsage, std::string("there is no task on Linux; the boot unit is: "
                                                "systemctl cat ") +
                                        kUnit);
}

} // namespace glintctl
