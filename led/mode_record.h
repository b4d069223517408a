#pragma once

#include "led/led_mode.h"

// Where a mode that reached the EC is recorded, for it to come back after a restart and after
// sleep without the window (`glintctl resume` writes it back).
class ModeRecord {
public:
    virtual void Record(LedMode mode) = 0;

protected:
    ~ModeRecord() = default;
};
