#pragma once
#include <string>

#include "led/mode_record.h"

// The window's part in restoring the lighting without it: while a mode is kept (the user turned
// restoring on with `glintctl restore on`), each mode a click wrote into the EC is kept in its
// place, so that what comes back is what the user chose last, wherever it was chosen. Without a
// kept mode the window keeps nothing.
class KeptModeRecord final : public ModeRecord {
public:
    KeptModeRecord();

    void Record(LedMode mode) override;

private:
    std::wstring folder;
};
