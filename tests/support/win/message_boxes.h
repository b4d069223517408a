#pragma once
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/win/window_find.h"

namespace wintest {

// The dialog manager's id of a message box's text control.
inline constexpr int kMessageBoxTextId = 0xFFFF;

struct SeenMessageBox {
    std::wstring caption;
    std::wstring text;
};

// A shown message box: a visible dialog-class window with a message box's text control.
bool IsMessageBox(HWND window);
// The owner's message boxes that are shown now.
std::vector<HWND> VisibleMessageBoxes(WindowOwner owner);
SeenMessageBox ReadMessageBox(HWND box);
// Presses OK, without waiting on the box's thread.
void DismissMessageBox(HWND box);

// While it lives, a helper thread finds each message box that the owner shows, notes its caption
// and text and dismisses it with OK, so that code showing boxes can run unattended. Boxes shown
// before it starts are left alone.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(WindowOwner owner);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> Seen();

private:
    void Watch();

    WindowOwner owner;
    std::atomic<bool> stop{false};
    std::mutex seenLock;
    std::vector<SeenMessageBox> seen;
    // Only the helper thread reads it once the thread runs.
    std::vector<HWND> passedOver;
    std::thread worker;
};

} // namespace wintest
