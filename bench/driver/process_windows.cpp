#include "process_windows.h"

#include "glint_ids.h"
#include "tests/support/win/message_boxes.h"

namespace {

std::vector<HWND> TopLevelWindows(DWORD processId) {
    return wintest::TopLevelWindows(wintest::WindowOwner::Process(processId));
}

bool IsDialogClass(HWND window) {
    return wintest::ClassName(window) == wintest::kDialogClass;
}

BOOL CALLBACK CheckChildPainted(HWND child, LPARAM param) {
    auto* painted = reinterpret_cast<bool*>(param);
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *painted = false;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindMainWindow(DWORD processId) {
    for (HWND window : TopLevelWindows(processId)) {
        if (IsDialogClass(window) && GetDlgItem(window, glint_ids::kExitButton) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

HWND FindPopup(DWORD processId) {
    for (HWND window : TopLevelWindows(processId)) {
        if (IsDialogClass(window) && GetDlgItem(window, glint_ids::kPopupLevelText) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

int CountPopups(DWORD processId) {
    int count = 0;
    for (HWND window : TopLevelWindows(processId)) {
        count += IsDialogClass(window) && GetDlgItem(window, glint_ids::kPopupLevelText) != nullptr;
    }
    return count;
}

std::vector<HWND> FindMessageBoxes(DWORD processId, HWND mainWindow, HWND popup) {
    std::vector<HWND> boxes;
    for (HWND box : wintest::VisibleMessageBoxes(wintest::WindowOwner::Process(processId))) {
        // Unnamed statics (id -1) look like a message text; the known windows never count.
        if (box != mainWindow && box != popup) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

std::string DismissMessageBox(HWND box) {
    const std::wstring caption = wintest::ReadMessageBox(box).caption;
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, caption.c_str(), -1, utf8, sizeof(utf8), nullptr, nullptr);
    wintest::DismissMessageBox(box);
    return utf8;
}

bool IsPainted(HWND window) {
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) {
        return false;
    }
    bool painted = true;
    EnumChildWindows(window, CheckChildPainted, reinterpret_cast<LPARAM>(&painted));
    return painted;
}

bool HideWindow(HWND window, UINT timeoutMs) {
    ShowWindowAsync(window, SW_HIDE);
    for (UINT waited = 0; IsWindowVisible(window) && waited < timeoutMs; waited += 10) {
        Sleep(10);
    }
    return !IsWindowVisible(window);
}

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result) !=
           0;
}
