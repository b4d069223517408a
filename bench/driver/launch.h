#pragma once
#include "child_process.h"

#include <optional>
#include <set>
#include <string>

// Presses OK on each message box a process shows, once per box, and counts them.
class MessageBoxWatcher {
public:
    void Poll(const ChildProcess& process, HWND mainWindow);
    int Count() const { return static_cast<int>(dismissed_.size()); }

private:
    std::set<HWND> dismissed_;
};

// A program started and waited for until its main window is painted.
struct Launched {
    ChildProcess process;
    HWND mainWindow = nullptr;
    double shownMs = 0;   // from CreateProcess to the main window visible
    double paintedMs = 0; // from CreateProcess to the main window and its controls painted
    MessageBoxWatcher messageBoxes;
};

// Starts exe and waits (at most timeoutMs) for its painted main window, pressing OK on any
// message box it shows meanwhile. Reports what went wrong as a note and returns nothing then.
std::optional<Launched> LaunchAndWait(const std::string& exe, double timeoutMs = 30000);

// Hides the main window: through its MIN button when it has one (to the tray), else directly.
bool HideMainWindow(HWND mainWindow);
