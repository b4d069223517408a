#include "message_box_watcher.h"

#include <chrono>
#include <iterator>

namespace {

// The dialog manager's id of a message box's text control.
constexpr int kMessageBoxTextId = 0xFFFF;

std::wstring WindowTextOf(HWND hwnd) {
    wchar_t buffer[1024] = {};
    ::GetWindowTextW(hwnd, buffer, static_cast<int>(std::size(buffer)));
    return buffer;
}

BOOL CALLBACK NoteVisibleDialog(HWND hwnd, LPARAM param) {
    wchar_t cls[32] = {};
    ::GetClassNameW(hwnd, cls, static_cast<int>(std::size(cls)));
    if (::IsWindowVisible(hwnd) && std::wstring(cls) == L"#32770") {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level dialog-class window of the thread: a message box, as the popup is hidden
// while it is being created.
HWND FindVisibleDialog(DWORD threadId) {
    HWND found = nullptr;
    ::EnumThreadWindows(threadId, NoteVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

MessageBoxWatcher::MessageBoxWatcher(DWORD threadId)
    : uiThreadId(threadId), worker([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop = true;
    worker.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() {
    std::lock_guard<std::mutex> hold(seenLock);
    return seen;
}

void MessageBoxWatcher::Watch() {
    using namespace std::chrono_literals;
    while (!stop) {
        HWND box = FindVisibleDialog(uiThreadId);
        if (box == nullptr) {
            std::this_thread::sleep_for(20ms);
            continue;
        }
        SeenMessageBox entry{WindowTextOf(box), WindowTextOf(::GetDlgItem(box, kMessageBoxTextId))};
        {
            std::lock_guard<std::mutex> hold(seenLock);
            seen.push_back(std::move(entry));
        }
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        // Count each box once: wait for it to go before looking again.
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (::IsWindow(box) && ::IsWindowVisible(box) &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(10ms);
        }
    }
}
