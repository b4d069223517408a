#pragma once

#include <filesystem>

#include "tests/support/scratch_folder.h"

// A state-file path of the running test's own, in a scratch folder removed when the test ends.
struct TempStatePath {
    testsupport::ScratchFolder folder{"ecsim"};
    std::filesystem::path path = folder / "state.bin";
};
