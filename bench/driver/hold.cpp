#include "commands.h"

#include <windows.h>

// Keeps Wine's server and desktop up for the whole bench run, so that no measured start-up
// pays for starting them.
int RunHold() {
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
