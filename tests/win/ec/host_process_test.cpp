#include <gtest/gtest.h>

#include <fstream>

#include "host_exit_codes.h"
#include "test_support.h"
#include "tools/ecsim/state/unix_path.h"

namespace {

namespace fs = std::filesystem;

// A copy of the test host in a folder of its own, optionally with an io.dll beside it.
struct HostInFolder {
    ScratchFolder folder;
    fs::path host = folder / "ec_test_host.exe";

    explicit HostInFolder(const fs::path& ioDll = {}) {
        fs::copy_file(ProgramFolder() / "ec_test_host.exe", host);
        if (!ioDll.empty()) {
            fs::copy_file(ioDll, folder / "io.dll");
        }
    }

    std::optional<DWORD> Construct(const fs::path& workingFolder = {},
                                   const fs::path& pathPrefix = {}) const {
        return RunProgram(host, L"construct", workingFolder.empty() ? folder.Path() : workingFolder,
                          pathPrefix);
    }
};

const fs::path& SimulatedIoDll() {
    static const fs::path path = ProgramFolder() / "io.dll";
    return path;
}

TEST(HostProcess, UsableIoDllLetsTheHostCreateItsWindow) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    HostInFolder run(SimulatedIoDll());
    EXPECT_EQ(run.Construct(), DWORD{kWindowCreated});
    EXPECT_EQ(ecsim::EcSimState(file).Peek(0x1060), 0x80);
}

TEST(HostProcess, MissingIoDllIsReportedBeforeAnyWindow) {
    HostInFolder run;
    EXPECT_EQ(run.Construct(), DWORD{kLibraryMissing});
}

TEST(HostProcess, IoDllOfTheOtherBitnessIsThereButNotLoadableRatherThanMissing) {
    HostInFolder run(ecsim::WindowsPathFromUnix(GLINT_OTHER_BITNESS_DLL));
    EXPECT_EQ(run.Construct(), DWORD{kLibraryNotLoadable});
}

TEST(HostProcess, IoDllLackingAnExportIsReportedAsAMissingFunction) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    HostInFolder run(ProgramFolder() / "lacking_export" / "io.dll");
    EXPECT_EQ(run.Construct(), DWORD{kFunctionMissing});
    EXPECT_TRUE(ecsim::EcSimState(file).Trace()->empty());
}

TEST(HostProcess, ClosedDriverIsReportedWithoutTouchingAPort) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    ecsim::EcSimState state(file);
    state.SetDriverOpen(false);
    HostInFolder run(SimulatedIoDll());
    EXPECT_EQ(run.Construct(), DWORD{kDriverNotUsable});
    EXPECT_TRUE(state.Trace()->empty());
    EXPECT_EQ(state.Peek(0x1060), 0x00);
}

TEST(HostProcess, DamagedStateFileReadsAsAClosedDriver) {
    ScratchFolder scratch;
    const fs::path statePath = scratch / "state.bin";
    {
        std::ofstream damaged(statePath, std::ios::binary);
        damaged << "not an EC";
    }
    SetEnvironmentVariableW(L"ECSIM_STATE", statePath.c_str());
    HostInFolder run(SimulatedIoDll());
    EXPECT_EQ(run.Construct(), DWORD{kDriverNotUsable});
    EXPECT_EQ(fs::file_size(statePath), 9u);
}

TEST(HostProcess, IoDllInTheCurrentFolderOrOnPathIsNotLoaded) {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    ScratchFolder planted;
    fs::copy_file(SimulatedIoDll(), planted / "io.dll");

    HostInFolder run;
    EXPECT_EQ(run.Construct(planted.Path(), planted.Path()), DWORD{kLibraryMissing});
    EXPECT_TRUE(ecsim::EcSimState(file).Trace()->empty());
}

} // namespace
