#include "tests/support/win/message_boxes.h"

#include <algorithm>
#include <chrono>

namespace wintest {

bool IsMessageBox(HWND window) {
    return ::IsWindowVisible(window) && ClassName(window) == kDialogClass &&
           ::GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

std::vector<HWND> VisibleMessageBoxes(WindowOwner owner) {
    std::vector<HWND> boxes;
    for (HWND window : TopLevelWindows(owner)) {
        if (IsMessageBox(window)) {
            boxes.push_back(window);
        }
    }
    return boxes;
}

SeenMessageBox ReadMessageBox(HWND box) {
    return {WindowText(box), WindowText(::GetDlgItem(box, kMessageBoxTextId))};
}

void DismissMessageBox(HWND box) {
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

MessageBoxWatcher::MessageBoxWatcher(WindowOwner watched)
    : owner(watched), passedOver(VisibleMessageBoxes(watched)), worker([this] { Watch(); }) {}

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
        HWND box = nullptr;
        for (HWND candidate : VisibleMessageBoxes(owner)) {
            if (std::find(passedOver.begin(), passedOver.end(), candidate) == passedOver.end()) {
                box = candidate;
                break;
            }
        }
        if (box == nullptr) {
            std::this_thread::sleep_for(20ms);
            continue;
        }
        {
            std::lock_guard<std::mutex> hold(seenLock);
            seen.push_back(ReadMessageBox(box));
        }
        DismissMessageBox(box);
        // Count each box once: wait for it to go before looking again, and pass over one that
        // stays.
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (::IsWindow(box) && ::IsWindowVisible(box) &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(10ms);
        }
        if (::IsWindow(box) && ::IsWindowVisible(box)) {
            passedOver.push_back(box);
        }
    }
}

} // namespace wintest
