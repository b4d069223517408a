#pragma once

#include <string>

// The folder PawnIO's setup installed it in: the InstallLocation of its uninstall entry, else
// PawnIO under the system's Program Files. Both are read from the machine's registry (its 64-bit
// view, where the setup writes, from a 32-bit program as well), never from the environment, which
// the user who starts an elevated program controls. Only an absolute path counts: a relative one
// would be taken from the current folder. Empty when neither can be had.
std::wstring PawnIoInstallFolder();
