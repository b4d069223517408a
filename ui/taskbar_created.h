#pragma once
#include <windows.h>

// Registers the message that the shell broadcasts when it rebuilds the taskbar, losing every
// notification-area icon, and lets it through to window even where message filtering would keep
// it from an elevated program. Returns the message id, 0 when it cannot be registered.
UINT ListenForTaskbarCreated(HWND window);
