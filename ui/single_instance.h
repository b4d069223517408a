#pragma once
#include <windows.h>

#include "framework/owned_handle.h"

// One copy of the program at a time: two would both poll, both show the popup and both write the
// EC. The guard is a named mutex of the user's session, held for the whole run.
class SingleInstance {
public:
    // True when this is the only copy (the guard is ours from now on); false when another copy
    // holds it.
    bool Claim();

private:
    OwnedKernelHandle guard;
};

// The message that asks the running copy's main window to come forward (registered by name).
UINT BringForwardMessage();

// Asks the running copy's main window to come forward, restoring it from the tray if it is
// hidden there; returns at once when it has no window yet.
void BringRunningCopyForward();
