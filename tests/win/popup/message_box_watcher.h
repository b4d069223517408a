#pragma once
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
    std::wstring caption;
    std::wstring text;
};

// While it lives, a helper thread finds each message box that the given thread shows, notes its
// caption and text and dismisses it with OK, so that code showing boxes can run unattended.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(DWORD uiThreadId);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> Seen();

private:
    void Watch();

    DWORD uiThreadId;
    std::atomic<bool> stop{false};
    std::mutex seenLock;
    std::vector<SeenMessageBox> seen;
    std::thread worker;
};
