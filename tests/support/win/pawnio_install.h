#pragma once
#include <filesystem>

#include "tests/support/scratch_folder.h"

namespace wintest {

// %ProgramFiles%\PawnIO, from the registry's 64-bit view, as PawnIO's setup makes it.
std::filesystem::path PawnIoDefaultFolder();

// PawnIO as its setup leaves it, for every program in the Wine prefix: a folder holding the given
// PawnIOLib.dll (the simulated one, or another file in its place), named by PawnIO's uninstall
// entry (the registry's 64-bit view, where programs of either bitness look) or found as
// %ProgramFiles%\PawnIO. Removed with the object; an entry left by an earlier run is replaced.
class PawnIoInstall {
public:
    enum class Where { UninstallEntry, DefaultFolder };

    explicit PawnIoInstall(const std::filesystem::path& library,
                           Where where = Where::UninstallEntry);
    ~PawnIoInstall();
    PawnIoInstall(const PawnIoInstall&) = delete;
    PawnIoInstall& operator=(const PawnIoInstall&) = delete;

    bool Ready() const { return ready; }
    const std::filesystem::path& Folder() const { return folder; }

    // The uninstall entry's InstallLocation as a string value of the given type (REG_SZ or
    // REG_EXPAND_SZ), whatever it holds.
    static bool SetInstallLocation(const std::wstring& value, unsigned long type);
    static void RemoveUninstallEntry();

private:
    testsupport::ScratchFolder scratch{"glint_pawnio"};
    std::filesystem::path folder;
    Where where;
    bool ready = false;
};

} // namespace wintest
