#include "pawnio_program.h"
#include "tests/support/scratch_folder.h"

#include "file_ops.h"
#include "paths.h"
#include "tools/ecsim/state/unix_path.h"

namespace e2e {

std::filesystem::path SimulatedPawnIoLibrary() {
    return ecsim::WindowsPathFromUnix(GLINT_E2E_PAWNIO_LIBRARY);
}

std::filesystem::path PawnIoTestModule() {
    return ecsim::WindowsPathFromUnix(GLINT_E2E_PAWNIO_TEST_MODULE);
}

PawnIoProgram::PawnIoProgram()
    : copy(testsupport::NewScratchFolder("glint_pawnio")), install(SimulatedPawnIoLibrary()) {
    moduleCopied = copy.Ready() && copy.CopySkin("skin_EN") &&
                   CopyOneFile(PawnIoTestModule(), copy.Folder() / "LpcIO.bin");
}

LaunchOptions PawnIoProgram::Options() const {
    LaunchOptions options;
    options.program = copy.Program();
    return options;
}

} // namespace e2e
