#pragma once
#include <windows.h>

#include <cstdint>

#include "framework/owned_handle.h"
#include "ui/core/one_copy.h"

// One copy of the program at a time on the whole machine (see ui/core/one_copy.h), held for the
// whole run.
class SingleInstance {
public:
    // Run when this is the only copy (the guard is ours from now on); otherwise where the running
    // copy is, with nothing of the guard kept.
    OneCopyStart Claim();
    // Lets go of the guard, so that a copy started from now on runs.
    void Release();

private:
    OwnedKernelHandle sessionMarker;
    OwnedKernelHandle guard;
};

// The message that asks the running copy's main window to come forward (registered by name).
UINT BringForwardMessage();

// Asks the running copy's main window to come forward, restoring it from the tray if it is
// hidden there; returns at once when it has no window yet.
void BringRunningCopyForward();

// Tells the user, in one message box, that the program runs in another session; returns once it
// is dismissed.
void ShowRunsInAnotherSession(std::uint16_t languageId);
