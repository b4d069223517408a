#pragma once

#include <optional>
#include <string>

#include "framework/owned_handle.h"
#include "led/led_mode.h"

// The kept mode on Windows: the file "mode" in a folder, by default %ProgramData%\Glint, which
// `glintctl resume` writes back at start-up and after sleep. Through the Win32 file calls only, so
// that the window program can record its clicks there without a file library.

// %ProgramData%\Glint, as the system knows it (not from the environment); empty when it cannot
// tell.
std::wstring DefaultKeptModeFolder();

struct KeptModeRead {
    // Empty when nothing is kept, or when error says why none could be read.
    std::optional<LedMode> mode;
    std::string error;
};
// A file that is missing is nothing kept; one that cannot be read or holds anything but a mode's
// name is an error, never a mode.
KeptModeRead ReadKeptMode(const std::wstring& folder);

bool KeptModeExists(const std::wstring& folder);

// Replaces the file whole and durably (a new file, flushed, moved over it). The folder is made so
// that only administrators and SYSTEM can change it (users may read); a folder that is there
// already gets those rights, and is not written to when it cannot. Empty on success, else why not.
std::string WriteKeptMode(const std::wstring& folder, LedMode mode);

// Empty when the file is gone (or was never there), else why it stays.
std::string RemoveKeptMode(const std::wstring& folder);

// The rights the folder is given: SYSTEM and administrators change it, users read it, nothing
// inherited from the parent (whose rights let every user create files in it). Null when the
// system cannot make them.
OwnedLocalMemory KeptModeFolderRights();
