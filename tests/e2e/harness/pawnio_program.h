#pragma once
#include <filesystem>

#include "glint_process.h"
#include "program_copy.h"
#include "tests/support/win/pawnio_install.h"

namespace e2e {

// The simulated PawnIOLib.dll and the one module it loads (the build's LpcIO.bin), as built.
std::filesystem::path SimulatedPawnIoLibrary();
std::filesystem::path PawnIoTestModule();

// glint.exe that can reach the EC only through PawnIO: a copy of its own with the English skin
// and the test module LpcIO.bin beside it and no io.dll, with the simulated PawnIO installed
// (a test may put other files in their place). Both go with the object.
class PawnIoProgram {
public:
    PawnIoProgram();

    bool Ready() const { return copy.Ready() && install.Ready() && moduleCopied; }
    ProgramCopy& Copy() { return copy; }
    LaunchOptions Options() const;

private:
    ProgramCopy copy;
    wintest::PawnIoInstall install;
    bool moduleCopied = false;
};

} // namespace e2e
